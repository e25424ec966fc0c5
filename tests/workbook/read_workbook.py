#!/usr/bin/env python3
"""Prints what a spreadsheet program reads from an .xlsx file, as JSON: each sheet in order with
its name, its frozen cell and every cell that holds a value (its row and column from 0, its type:
n number, s text, d date, its value, number format and whether it is bold)."""
import datetime
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    cells = []
    for row in sheet.iter_rows():
        for cell in row:
            value = cell.value
            if value is None:
                continue
            if isinstance(value, datetime.datetime):
                kind, value = "d", value.strftime("%Y-%m-%d")
            elif isinstance(value, (int, float)) and not isinstance(value, bool):
                kind = "n"
            else:
                kind, value = "s", str(value)
            cells.append({"row": cell.row - 1, "column": cell.column - 1, "type": kind,
                          "value": value, "format": cell.number_format,
                          "bold": bool(cell.font.b)})
    sheets.append({"name": sheet.title, "freeze": sheet.freeze_panes or "", "cells": cells})
json.dump({"title": book.properties.title or "", "sheets": sheets}, sys.stdout)
