// Text boxes of different windows keep only characters that the data files can hold, so what the
// user sees is what is saved. Which characters those are is the core text tests' part.
#include "GuiTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Types text the way a keyboard layout with those letters does; QTest knows only Latin-1 keys.
void type(QWidget* box, const QString& text)
{
    box->setFocus();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &release);
    }
}

} // namespace

class TestStorableText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lettersTheFilesCannotHoldAreDroppedWhenTypedOrPasted()
    {
        GuiFixture f;
        f.chooseTeam(1, QStringLiteral("Rovers"));
        f.open(WindowRoster);
        auto* name = f.child<QLineEdit>("txtPlayerName");
        type(name, QString::fromUtf16(u"\u0141ukasz \u00D8deg\u00E5rd"));
        QCOMPARE(name->text(), QString::fromUtf16(u"ukasz \u00D8deg\u00E5rd"));
        f.click("cmdClose");
        QCOMPARE(
            f.state->roster.names[1].trimmed(), QString::fromUtf16(u"ukasz \u00D8deg\u00E5rd"));

        f.state->currentGame.edit = GameEdit::Add;
        f.state->currentGame.number = 1;
        f.open(WindowGameScreen);
        QLineEdit* opponent = f.child<QComboBox>("cmbOpponents")->lineEdit();
        type(opponent, QString::fromUtf16(u"\u0141\u00F3d\u017A \u20AC"));
        QCOMPARE(opponent->text(), QString::fromUtf16(u"\u00F3d \u20AC"));

        auto* comment = f.child<QLineEdit>("txtGameComment");
        comment->setFocus();
        QTest::keyClicks(comment, QStringLiteral("ab"));
        comment->setCursorPosition(1);
        QApplication::clipboard()->setText(QString::fromUtf16(u"x\U0001F600y"));
        comment->paste();
        QCOMPARE(comment->text(), QStringLiteral("axyb"));
        QCOMPARE(comment->cursorPosition(), 3); // after the pasted text, as without the filter
    }
};

QTEST_MAIN(TestStorableText)
#include "test_storable_text.moc"
