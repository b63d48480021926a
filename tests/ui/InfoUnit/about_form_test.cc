#include "ui/InfoUnit/about_form.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace zelmora {

class AboutFormTest : public QObject {
  Q_OBJECT

 private:
  static QPlainTextEdit& MemoOf(TAboutForm& form) {
    return *form.findChild<QPlainTextEdit*>(QStringLiteral("NotesMemo"));
  }
  static QStringList LinesOf(TAboutForm& form) {
    return MemoOf(form).toPlainText().split(QLatin1Char('\n'));
  }

 private slots:
  void initTestCase() {
    // The centring rows below are worked out for the offscreen platform's screen.
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 800));
  }

  void theWindowAndItsTextBox() {
    TAboutForm form;
    const QString caption = form.windowTitle();
    QCOMPARE(caption.size(), 76);
    QCOMPARE(caption, QStringLiteral("Zelmora") + QString(26, QLatin1Char(' ')) +
                          QStringLiteral("Notes on bycatch reduction trial simulation"));
    QCOMPARE(form.size(), QSize(624, 406));
    QVERIFY(!form.windowIcon().isNull());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.font().families().front(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(form.font().pointSize(), 8);

    QPlainTextEdit& memo = MemoOf(form);
    QCOMPARE(memo.geometry(), QRect(0, 0, 625, 409));
    QCOMPARE(memo.frameShape(), QFrame::NoFrame);
    QCOMPARE(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!memo.isReadOnly());
    QCOMPARE(memo.textCursor().position(), 0);
    QVERIFY(memo.focusPolicy() & Qt::TabFocus);
  }

  // Each line of the notes with its length, blanks included; the text ends with a line break,
  // which leaves an empty last row.
  void noteLines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("text");  // checked where given
    const int lengths[] = {0,   4,  0, 0,   0,   9,   122, 119, 116, 131, 24, 126, 136, 25, 124,
                           133, 29, 0, 124, 115, 116, 0,   0,   8,   0,   32, 0,   -1,  -1, 7};
    const QMap<int, QString> texts = {
        {2, "AIM "},
        {6, "STRUCTURE"},
        {11, "movement is carried out."},
        {14, "net level i.e. 'at risk'."},
        {17, "to give a known bycatch rate."},
        {24, "COMMENTS"},
        {26, " . . . are very welcome . . .   "},
        {30, "       "},
    };
    for (int line = 1; line <= 30; ++line) {
      QTest::addRow("line %d", line) << line << lengths[line - 1] << texts.value(line);
    }
  }
  void noteLines() {
    QFETCH(int, line);
    QFETCH(int, length);
    QFETCH(QString, text);
    TAboutForm form;
    const QStringList lines = LinesOf(form);
    QCOMPARE(lines.size(), 31);
    QCOMPARE(lines.back(), QString());
    const QString& shown = lines[line - 1];
    if (length >= 0) QCOMPARE(shown.size(), length);
    if (!text.isEmpty()) QCOMPARE(shown, text);
  }

  // The spelling stands as it was written.
  void theNotesKeepTheirSpelling() {
    TAboutForm form;
    const QStringList lines = LinesOf(form);
    QVERIFY(lines[6].startsWith("This is a 'net centred model. From"));
    QVERIFY(lines[9].startsWith("posiotions are checked and if the animals is too far"));
    QVERIFY(lines[12].contains("water column.  If the animal's trackcrosses the net"));
    QVERIFY(lines[15].contains("linearly realted to animal density"));
    QVERIFY(lines[18].startsWith("TESTING  At realistic settings it's impossible"));
    QVERIFY(lines[27].startsWith("e-mail: "));
    QVERIFY(lines[28].startsWith("post: "));
  }

  // By the window's outer size, frame included.
  void theFirstShowingCentresTheWindow_data() {
    QTest::addColumn<QSize>("outer_size");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("centred") << QSize(632, 433) << QPoint(84, 183);
    QTest::newRow("halves taken towards zero") << QSize(631, 432) << QPoint(84, 184);
    QTest::newRow("wider than the screen") << QSize(900, 433) << QPoint(0, 183);
    QTest::newRow("taller than the screen") << QSize(632, 900) << QPoint(84, 0);
  }
  void theFirstShowingCentresTheWindow() {
    QFETCH(QSize, outer_size);
    QFETCH(QPoint, place);
    TAboutForm measured;
    measured.show();
    const QSize frame = measured.frameGeometry().size() - measured.size();
    TAboutForm form;
    form.resize(outer_size - frame);
    form.show();
    QCOMPARE(form.frameGeometry().size(), outer_size);
    QCOMPARE(form.pos(), place);
  }

  void laterShowingsLeaveTheWindowWhereItWas() {
    TAboutForm form;
    form.show();
    form.move(10, 20);
    form.close();
    QVERIFY(!form.isVisible());
    form.show();
    QCOMPARE(form.pos(), QPoint(10, 20));
  }

  void closingOnlyHidesAndKeepsWhatWasTyped() {
    TAboutForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QPlainTextEdit& memo = MemoOf(form);
    QCOMPARE(QApplication::focusWidget(), &memo);
    QTest::keyClicks(&memo, "typed");
    QTest::keyClick(&memo, Qt::Key_Return);
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    form.show();
    QVERIFY(memo.toPlainText().startsWith("typed\n\nAIM "));
  }

  // The text box is not docked: it keeps its size whatever the window's, and the window has
  // no scroll bars of its own.
  void resizingTheWindowLeavesTheTextBox() {
    TAboutForm form;
    form.show();
    for (const QSize& size : {QSize(300, 200), QSize(900, 700)}) {
      form.resize(size);
      QCOMPARE(MemoOf(form).geometry(), QRect(0, 0, 625, 409));
    }
    for (const QScrollBar* bar : form.findChildren<QScrollBar*>())
      QVERIFY(MemoOf(form).isAncestorOf(bar));
  }
};

}  // namespace zelmora

QTEST_MAIN(zelmora::AboutFormTest)
#include "about_form_test.moc"
