// The table print dialog: its controls, the size checks, the print and test
// print flows with the print dialog and the printer replaced by a PDF file,
// closing, the real print dialog's print-to-file path, and saving the chart
// as a PDF, SVG or PNG file.
#include "data/SettingsValues.h"
#include "print/SizeCheck.h"
#include "print/TForm2.h"
#include "tests/FileSizeLimit.h"
#include "tests/app/FakeMessages.h"
#include "tests/print/PrintTestKit.h"
#include "widgets/Look.h"
#include "widgets/PrintLists.h"
#include "widgets/Przycisk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <optional>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString NotDigits = QStringLiteral("Nie wybrano poprawnego rozmiaru czcionki!");
const QString OutOfRange = QStringLiteral("Podano rozmiar czcionki z poza dopuszczalnego zakresu!");

// The fake printers whose print dialog sets other paper, as a user may.
class PaperChangingPrinters final : public PrinterService {
public:
    PaperChangingPrinters(FakePrinters& printers, QPageSize paper)
        : m_printers(printers),
          m_paper(paper)
    {
        platform::SetPrinters(this);
    }
    ~PaperChangingPrinters() override { platform::SetPrinters(&m_printers); }
    QPrinter& Printer() override { return m_printers.Printer(); }
    bool ExecPrintDialog(QWidget* parent) override
    {
        m_printers.printer.setPageSize(m_paper);
        return m_printers.ExecPrintDialog(parent);
    }
    void ExecPageSetupDialog(QWidget* parent) override { m_printers.ExecPageSetupDialog(parent); }
    bool ExecPreviewDialog(QWidget* parent, const std::function<void(QPrinter&)>& paint) override
    {
        return m_printers.ExecPreviewDialog(parent, paint);
    }

private:
    FakePrinters& m_printers;
    QPageSize m_paper;
};

// Answers the save dialog with a chosen path and type, and remembers what it
// was offered; duringDialog runs once from inside the next dialog.
class FakeSaveDialogs final : public FileDialogService {
public:
    FakeSaveDialogs() { platform::SetFileDialogs(this); }
    ~FakeSaveDialogs() override { platform::SetFileDialogs(nullptr); }

    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString GetSaveFileNameOfType(QWidget*, const QString&, const QString& fileName, const QStringList& types,
                                  int& type) override
    {
        ++calls;
        offered = types;
        offeredFirst = type;
        shownName = fileName;
        if (duringDialog)
            std::exchange(duringDialog, nullptr)();
        type = chosen;
        return answer;
    }

    QString answer;
    int chosen = 0;
    std::function<void()> duringDialog;
    int calls = 0;
    QStringList offered;
    int offeredFirst = -1;
    QString shownName;
};

QStringList Listing(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// What a saved file holds, told by its content: "pdf", "svg", "png" (grey,
// 150 dpi), or what was wrong with it.
QString KindOfContent(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable");
    const QByteArray head = file.read(512);
    if (head.startsWith("%PDF"))
        return QStringLiteral("pdf");
    if (head.contains("<svg")) {
        const Run lint = Exec(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
        return lint.code == 0 ? QStringLiteral("svg") : QStringLiteral("invalid svg");
    }
    const QImage image(path, "PNG");
    if (image.isNull())
        return QStringLiteral("unknown");
    return image.format() == QImage::Format_Grayscale8 && qRound(image.dotsPerMeterX() * 0.0254) == 150
               ? QStringLiteral("png")
               : QStringLiteral("png, not grey at 150 dpi");
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void init() { Warn1 = true; }

    void controlsShowTheirCaptions_data()
    {
        CaptionColumns();
        const auto row = CaptionRow;
        row("GroupBox2", "Dane do umieszczenia na układzie");
        row("Label3", "Pierwsza pozycja");
        row("Dane1", "--Wybierz z listy--");
        row("Label4", "Druga pozycja");
        row("dane2", "--Wybierz z listy--");
        row("Label5", "Trzecia pozycja");
        row("dane3", "--Wybierz z listy--");
        row("GroupBox1", "Skala dokumentu");
        row("Scale", "10");
        row("Label1", "Roz. cz. symbolu");
        row("Label2", "Roz. cz. danych");
        row("f1", "16");
        row("f2", "07");
        row("GroupBox3", "Przykład");
        row("GroupBox4", "Czcionka wydruku");
        row("GroupBox5", "Dodatkowe pole informacyjne");
        row("Label6", "Roz. cz..:");
        row("f3", "08");
        row("bold1", "pogrub.");
        row("Label7", "Treść informacji w polu informacyjnym:");
        row("Przycisk5", "Ustawienia drukarki");
        row("Przycisk4", "Wydruk testowy");
        row("Przycisk1", "Wydrukuj układ");
        row("Przycisk2", "Domyślne paramtery");
        row("Przycisk3", "Zakończ");
        row("Przycisk6", "Podgląd wydruku");
        row("CheckBox1", "Plakat z arkuszy");
        row("Przycisk7", "Zapisz jako obraz…");
    }
    void controlsShowTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TForm2 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Wydruk Zefiraku"));
        QCOMPARE(form.size(), QSize(338, 479));
        auto* w = form.findChild<QWidget*>(name);
        QVERIFY(w);
        QString shown;
        if (auto* g = qobject_cast<QGroupBox*>(w))
            shown = g->title();
        else if (auto* l = qobject_cast<QLabel*>(w))
            shown = l->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            shown = c->currentText();
        else if (auto* b = qobject_cast<QCheckBox*>(w))
            shown = b->text();
        else if (auto* p = qobject_cast<TPrzycisk*>(w))
            shown = p->Tekst();
        QCOMPARE(shown, caption);
        if (auto* p = qobject_cast<TPrzycisk*>(w)) {
            QCOMPARE(p->Kolor_Przycisku(), TColor(14155775));
            QVERIFY(p->Aktywny());
        }
    }

    void controlsStayInsideTheirBoxesApartAndTheirTextsFit()
    {
        TForm2 form;
        QCOMPARE(LayoutFaults(form), QStringList());
    }

    // The settings as they are read, then the column of buttons top to
    // bottom: Tab leaves the information field for the buttons.
    void tabVisitsTheSettingsThenTheButtonsInReadingOrder()
    {
        FakePrinters printers;
        TForm2 form;
        form.show();
        form.CheckBox1->setChecked(true); // the grid list takes the focus only then
        const auto isButton = [&form](const QString& name) {
            return qobject_cast<TPrzycisk*>(form.findChild<QWidget*>(name)) != nullptr;
        };
        const QStringList reading = ReadingOrder(form);
        QStringList settings = reading, buttons = reading;
        settings.removeIf(isButton);
        buttons.removeIf([&](const QString& name) { return !isButton(name); });
        // Three positions, scale, three sizes, face, bold, the field, the poster and its grid.
        QCOMPARE(settings.size(), 12);
        QCOMPARE(buttons.size(), 7);
        QCOMPARE(TabOrder(form, form.Dane1), settings + buttons);
        QStringList back = settings + buttons;
        std::reverse(back.begin() + 1, back.end());
        QCOMPARE(TabOrder(form, form.Dane1, true), back);
        QVERIFY(form.dodatkowe->tabChangesFocus());
    }

    void listsHoldTheirRowsAndStartValues()
    {
        TForm2 form;
        for (ChoiceList* c : {form.Dane1, form.dane2, form.dane3}) {
            QCOMPARE(c->count(), 15);
            QCOMPARE(c->itemText(6), QStringLiteral("Gęstość"));
            QCOMPARE(c->itemText(14), QStringLiteral("Pozycja pusta"));
            QCOMPARE(c->currentIndex(), -1);
        }
        QCOMPARE(form.Scale->count(), 20);
        QCOMPARE(form.Scale->itemText(0), QStringLiteral("20"));
        QCOMPARE(form.Scale->itemText(19), QStringLiteral("01"));
        for (SizeList* c : {form.f1, form.f2, form.f3}) {
            QCOMPARE(c->count(), 25);
            QCOMPARE(c->itemText(0), QStringLiteral("25"));
            QCOMPARE(c->itemText(24), QStringLiteral("01"));
        }
        QVERIFY(form.bold1->isChecked());
        QCOMPARE(form.Image1->pixmap().size(), QSize(32, 32));

        const ChartInputs in = form.ChartInputsFromControls();
        QCOMPARE(in.symbolSize, 16);
        QCOMPARE(in.dataSize, 7);
        QCOMPARE(in.infoSize, 8);
        QVERIFY(in.infoBold);
        QCOMPARE(in.items, (std::array<int, 3>{-1, -1, -1}));
        QCOMPARE(in.infoLines, QStringList());
    }

    void fontListIsFilledOnlyWhenNeeded()
    {
        TForm2 form;
        QVERIFY(!form.FontComboBox1->Filled());
        // The store sets a name before the list exists; it is kept as given.
        form.FontComboBox1->SetName(QStringLiteral("liberation SANS"));
        QCOMPARE(form.Settings().fontName, QStringLiteral("liberation SANS"));
        form.show();
        QVERIFY(form.FontComboBox1->Filled());
        QVERIFY(form.FontComboBox1->count() > 0);
        QCOMPARE(form.Settings().fontName, QStringLiteral("Liberation Sans"));
        QCOMPARE(form.ChartInputsFromControls().fontName, QStringLiteral("Liberation Sans"));
        form.FontComboBox1->SetName(QStringLiteral("No Such Face"));
        QCOMPARE(form.FontComboBox1->currentIndex(), -1);
        QCOMPARE(form.Settings().fontName, QString());
    }

    // What the store gives the dialog comes back unchanged, before and
    // after the dialog is shown; the information field's lines exactly,
    // trailing empty ones included, run after run.
    void settingsComeBackAsGiven_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("one empty") << QStringList{QString()};
        QTest::newRow("two empty") << QStringList{QString(), QString()};
        QTest::newRow("trailing empty") << QStringList{QStringLiteral("a"), QString(), QString()};
        QTest::newRow("leading empty") << QStringList{QString(), QStringLiteral("b")};
        QTest::newRow("999 lines") << (QStringList(998, QStringLiteral("w")) << QString());
    }
    void settingsComeBackAsGiven()
    {
        QFETCH(QStringList, lines);
        const TablePrintSettings given{QStringLiteral("Liberation Serif"), 25, 1, 20, 9, false, lines};
        TablePrintSettings settings = given;
        for (int run = 0; run < 3; ++run) {
            TForm2 form;
            form.ApplySettings(settings);
            QVERIFY(form.Settings() == given);
            form.show();
            settings = form.Settings();
            QCOMPARE(settings.fieldLines, given.fieldLines);
            QVERIFY(settings == given);
        }
        // An edit is read from the field: an empty last line stays a line.
        TForm2 form;
        form.ApplySettings(given);
        form.dodatkowe->setPlainText(QStringLiteral("x\n"));
        QCOMPARE(form.Settings().fieldLines, (QStringList{QStringLiteral("x"), QString()}));
    }

    void typedSizeIsCheckedForDigitsAndRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("hi");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7 in the scale") << "7" << 20 << true << ""
                                        << "07";
        QTest::newRow("20 in the scale") << "20" << 20 << true << ""
                                         << "20";
        QTest::newRow("leading zeros") << "0025" << 25 << true << ""
                                       << "25";
        QTest::newRow("0") << "0" << 20 << false << OutOfRange << "0";
        QTest::newRow("21 in the scale") << "21" << 20 << false << OutOfRange << "21";
        QTest::newRow("26 in a size") << "26" << 25 << false << OutOfRange << "26";
        QTest::newRow("too long for an int") << "99999999999" << 25 << false << OutOfRange << "99999999999";
        QTest::newRow("letter") << "1a" << 20 << false << NotDigits << "1a";
        QTest::newRow("minus") << "-5" << 20 << false << NotDigits << "-5";
        QTest::newRow("blank") << " 5" << 20 << false << NotDigits << " 5";
        QTest::newRow("empty") << "" << 20 << false << NotDigits << "";
    }
    void typedSizeIsCheckedForDigitsAndRange()
    {
        QFETCH(QString, typed);
        QFETCH(int, hi);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        FakeMessages messages;
        TForm2 form;
        SizeList* list = hi == 20 ? form.Scale : form.f1;
        Type(list, typed);
        QCOMPARE(list->currentIndex(), -1); // typing leaves no row selected
        QCOMPARE(CheckSizeCombo(*list, 1, hi), ok);
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(list->currentIndex(), ok ? hi - shown.toInt() : -1);
        QCOMPARE(Texts(messages.boxes), ok ? QStringList() : QStringList{message});
        if (!ok)
            QCOMPARE(messages.boxes[0].caption, QStringLiteral("Błąd!"));
    }

    void questionNoPrintsNothingYesIsNotAskedAgain()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        messages.answers = {mb::ResultNo};
        form.Przycisk1Click();
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].text, PrintSettingsQuestion + QLatin1Char('?'));
        QVERIFY(messages.boxes[0].text.startsWith(
            QStringLiteral("Ponieważ na różnych modelach drukarek ustawienia wydruku\r\nsą często")));
        QCOMPARE(messages.boxes[0].caption, QStringLiteral("Pytanie"));
        QCOMPARE(printers.printDialogs, 0);
        QVERIFY(Warn1);

        // Yes clears the flag even though the print dialog is then cancelled.
        messages.answers = {mb::ResultYes};
        printers.accept = false;
        form.Przycisk1Click();
        QVERIFY(!Warn1);
        QCOMPARE(printers.printDialogs, 1);
        QVERIFY(!QFile::exists(printers.Pdf()));
        QVERIFY(form.Przycisk1->Aktywny() && form.Przycisk4->Aktywny());

        form.Przycisk1Click();
        QCOMPARE(messages.boxes.size(), 2);
        QCOMPARE(printers.printDialogs, 2);
        QVERIFY(!Warn1);
    }

    void testPrintAsksNothingAndDrawsOnALandscapePage()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        printers.printer.setPageOrientation(QPageLayout::Portrait);
        form.Przycisk4Click();
        QVERIFY(messages.boxes.isEmpty());
        QVERIFY(Warn1);
        const auto info = PdfInfo(printers.Pdf());
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY2(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")),
                 qPrintable(info.value(QStringLiteral("Page size"))));
        QCOMPARE(printers.printer.docName(), QString()); // the test print sets no title
    }

    void printTitlesTheJobsThatFollowIt()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        Warn1 = false;
        form.Przycisk1Click();
        QVERIFY(QFile::exists(printers.Pdf()));
        QCOMPARE(PdfInfo(printers.Pdf()).value(QStringLiteral("Title")), QString());
        QCOMPARE(printers.printer.docName(), QStringLiteral("Zefirak"));
        printers.printer.setOutputFileName(printers.Pdf(QStringLiteral("second.pdf")));
        form.Przycisk4Click();
        QCOMPARE(PdfInfo(printers.Pdf(QStringLiteral("second.pdf"))).value(QStringLiteral("Title")),
                 QStringLiteral("Zefirak"));
        QVERIFY(messages.boxes.isEmpty());
    }

    void typedScaleIsSelectedBeforePrinting()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        Warn1 = false;
        Type(form.Scale, QStringLiteral("7"));
        form.Przycisk1Click();
        QCOMPARE(form.Scale->currentIndex(), 13);
        QCOMPARE(form.Scale->currentText(), QStringLiteral("07"));
        QVERIFY(QFile::exists(printers.Pdf()));
        QVERIFY(messages.boxes.isEmpty());
    }

    void invalidF2AndF3ReportOnlyF2_data()
    {
        QTest::addColumn<bool>("testPrint");
        QTest::newRow("print") << false;
        QTest::newRow("test print") << true;
    }
    void invalidF2AndF3ReportOnlyF2()
    {
        QFETCH(bool, testPrint);
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        Warn1 = false;
        Type(form.f2, QStringLiteral("x"));
        Type(form.f3, QStringLiteral("99"));
        Type(form.Scale, QStringLiteral("0"));
        testPrint ? form.Przycisk4Click() : form.Przycisk1Click();
        QCOMPARE(Texts(messages.boxes), QStringList{NotDigits});
        QCOMPARE(printers.printDialogs, 0);
        QCOMPARE(form.f3->currentText(), QStringLiteral("99"));
    }

    void buttonIsInactiveDuringTheJobAndASecondClickStartsNothing()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        form.show();
        Warn1 = false;
        bool activeDuringJob = true;
        printers.printer.duringJob = [&] {
            activeDuringJob = form.Przycisk1->Aktywny();
            QTest::mouseClick(form.Przycisk1, Qt::LeftButton);
            form.Przycisk1Click();
            form.Przycisk4Click();
        };
        form.Przycisk1Click();
        QVERIFY(!printers.printer.duringJob); // it ran
        QVERIFY(!activeDuringJob);
        QCOMPARE(printers.printDialogs, 1);
        QVERIFY(form.Przycisk1->Aktywny());
        QVERIFY(messages.boxes.isEmpty());
    }

    void jobThatCannotStartIsReported_data()
    {
        QTest::addColumn<bool>("testPrint");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::newRow("print, missing folder") << false << "missing/chart.pdf"
                                               << "folder nie istnieje" << qint64(0);
        QTest::newRow("test print, missing folder") << true << "missing/chart.pdf"
                                                    << "folder nie istnieje" << qint64(0);
        QTest::newRow("print, a folder") << false << "."
                                         << "to jest folder" << qint64(0);
        // The file stops growing part way, as on a full disk.
        QTest::newRow("print, cut short") << false << "short.pdf"
                                          << "nie został zapisany w całości" << qint64(4096);
    }
    void jobThatCannotStartIsReported()
    {
        QFETCH(bool, testPrint);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QFETCH(qint64, sizeLimit);
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        Warn1 = false;
        const QString path = QDir::cleanPath(printers.Pdf(file));
        printers.printer.setOutputFileName(path);
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit > 0) {
                limit.emplace(rlim_t(sizeLimit));
                QVERIFY(limit->Applied());
            }
            testPrint ? form.Przycisk4Click() : form.Przycisk1Click();
        }
        if (sizeLimit > 0)
            QVERIFY(!QFile::exists(path)); // no broken PDF left behind
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].caption, QStringLiteral("Błąd!"));
        QVERIFY(messages.boxes[0].text.contains(QStringLiteral("Nie udało się wydrukować układu")));
        QVERIFY(messages.boxes[0].text.contains(path));
        QVERIFY(messages.boxes[0].text.contains(reason));
        QVERIFY(form.Przycisk1->Aktywny() && form.Przycisk4->Aktywny());

        // The next job, to a writable file, goes through.
        printers.printer.setOutputFileName(printers.Pdf());
        testPrint ? form.Przycisk4Click() : form.Przycisk1Click();
        QVERIFY(QFile::exists(printers.Pdf()));
        QCOMPARE(messages.boxes.size(), 1);
    }

    void previewFollowsPositionsAndFontOnly()
    {
        FakeMessages messages;
        TForm2 form;
        form.show();
        QSignalSpy drawn(&form, &TForm2::PreviewDrawn);
        for (SizeList* c : {form.f1, form.f2, form.f3, form.Scale}) {
            c->setFocus();
            QTest::keyClick(c, Qt::Key_Down);
        }
        QTest::keyClicks(form.dodatkowe, QStringLiteral("x"));
        form.bold1->click();
        QCOMPARE(drawn.size(), 0);

        form.Dane1->setFocus();
        QTest::keyClick(form.Dane1->lineEdit(), Qt::Key_Down);
        QCOMPARE(drawn.size(), 1);
        QCOMPARE(form.ChartInputsFromControls().items[0], 0);
        form.FontComboBox1->setFocus();
        QTest::keyClick(form.FontComboBox1, Qt::Key_Down);
        QCOMPARE(drawn.size(), 2);
        form.FontComboBox1->SetName(QStringLiteral("Liberation Serif")); // the store, not the user
        QCOMPARE(drawn.size(), 2);
    }

    void defaultsButtonRestoresTheDesignValues()
    {
        FakeMessages messages;
        TForm2 form;
        form.show();
        form.Dane1->setCurrentIndex(3);
        form.dane3->setCurrentIndex(12);
        form.bold1->setChecked(false);
        Type(form.f3, QStringLiteral("x"));
        form.dodatkowe->setPlainText(QStringLiteral("własny"));
        Warn1 = false;
        QSignalSpy drawn(&form, &TForm2::PreviewDrawn);
        form.Przycisk2Click();
        QCOMPARE(drawn.size(), 1);
        QCOMPARE(form.f1->currentText(), QStringLiteral("15"));
        QCOMPARE(form.f2->currentText(), QStringLiteral("07"));
        QCOMPARE(form.Scale->currentText(), QStringLiteral("10"));
        QCOMPARE(form.f3->currentText(), QStringLiteral("08"));
        QVERIFY(form.bold1->isChecked());
        for (ChoiceList* c : {form.Dane1, form.dane2, form.dane3}) {
            QCOMPARE(c->currentIndex(), -1);
            QCOMPARE(c->currentText(), QStringLiteral("--Wybierz z listy--"));
        }
        QCOMPARE(form.Settings().fieldLines, QStringList{QStringLiteral("własny")});
        QVERIFY(!Warn1);
        QVERIFY(messages.boxes.isEmpty());
        // The design's Arial, or where it is missing its metric twin: the
        // list shows the face that prints, never an empty box.
        const QString face = form.Settings().fontName;
        QVERIFY(face == QStringLiteral("Arial") || face == QStringLiteral("Liberation Sans"));
    }

    void closingChecksTypedSymbolDataAndScaleOnly()
    {
        FakeMessages messages;
        TForm2 form;
        form.show();
        Type(form.f1, QStringLiteral("abc"));
        Type(form.f2, QStringLiteral("7"));
        Type(form.Scale, QStringLiteral("30"));
        Type(form.f3, QStringLiteral("abc"));
        form.Przycisk3Click();
        QVERIFY(!form.isVisible());
        QCOMPARE(Texts(messages.boxes), (QStringList{NotDigits, OutOfRange}));
        QCOMPARE(form.f1->currentIndex(), -1);
        QCOMPARE(form.f2->currentText(), QStringLiteral("07"));
        QCOMPARE(form.Scale->currentIndex(), -1);

        // f3 alone is not examined.
        messages.boxes.clear();
        form.show();
        form.f1->setCurrentIndex(0);
        form.Scale->setCurrentIndex(0);
        form.Przycisk3Click();
        QVERIFY(!form.isVisible());
        QVERIFY(messages.boxes.isEmpty());
    }

    void escapeClosesFromEveryControl_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name :
             {"Dane1", "dane2", "dane3", "Scale", "f1", "f2", "f3", "FontComboBox1", "bold1", "dodatkowe", "CheckBox1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void escapeClosesFromEveryControl()
    {
        QFETCH(QString, control);
        FakeMessages messages;
        TForm2 form;
        form.ApplySettings({QString(), 16, 7, 10, 8, true, {QStringLiteral("  pole")}});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* w = form.findChild<QWidget*>(control);
        QVERIFY(w);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
            w = c->lineEdit();
        QTest::keyClicks(w, QStringLiteral("1")); // other keys pass on
        QVERIFY(form.isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        if (control == QLatin1String("dodatkowe"))
            QCOMPARE(form.Settings().fieldLines, QStringList{QStringLiteral("1  pole")});
    }

    // The real error box comes up while the dialog runs modally; a click on
    // its OK button must reach it.
    void errorBoxOverTheRunningDialogCanBeDismissed()
    {
        TForm2 form;
        Type(form.f1, QStringLiteral("abc"));
        bool dismissedByClick = false;
        QTimer::singleShot(100, &form, [&] {
            QTimer::singleShot(100, [&] {
                QMessageBox* box = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
                        box = b;
                if (!box)
                    return;
                QWidget* ok = box->button(QMessageBox::Ok);
                QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, ok->mapTo(box, ok->rect().center()));
                dismissedByClick = !box->isVisible();
                if (!dismissedByClick)
                    box->done(0); // blocked: let the test end
            });
            form.Przycisk3Click(); // the closing check shows the box
        });
        form.exec();
        QVERIFY(dismissedByClick);
    }

    // The page is laid out at 600 dpi whatever the printer's resolution, so
    // the dialog and zfktool print the same chart: at scale 10 it fills A4.
    void chartFromTheDialogIsZfktoolsChart()
    {
        FakeMessages messages;
        FakePrinters printers;
        printers.printer.setPageSize(QPageSize(QPageSize::A4));
        QCOMPARE(printers.printer.resolution(), 1200); // what the toolkit gives every printer
        TForm2 form;
        Warn1 = false;
        const QString face = QStringLiteral("Liberation Sans");
        form.ApplySettings({face, 16, 7, 10, 8, true, DefaultInfoLines()});
        form.Przycisk1Click();
        QVERIFY(messages.boxes.isEmpty());

        const QString tool = printers.Pdf(QStringLiteral("zfktool.pdf"));
        QProcess zfktool;
        zfktool.start(QStringLiteral(ZFKTOOL), {"chart", "--out", tool, "--font", face, "--scale", "10"});
        QVERIFY(zfktool.waitForFinished(60000) && zfktool.exitCode() == 0);

        const PageInk dialog = InkOf(printers.Pdf(), 100);
        const PageInk byTool = InkOf(tool, 100);
        QCOMPARE(dialog.page, byTool.page);
        QVERIFY(dialog.page.width() > dialog.page.height());
        QCOMPARE(dialog.ink, byTool.ink);
        QVERIFY2(dialog.ink.width() > 0.9 * dialog.page.width() && dialog.ink.height() > 0.9 * dialog.page.height(),
                 qPrintable(QStringLiteral("ink %1 x %2").arg(dialog.ink.width()).arg(dialog.ink.height())));
    }

    // The whole chart in the toolkit's preview, on the printer's paper,
    // turned to landscape; a typed size is checked first.
    void previewShowsTheWholeChart()
    {
        FakeMessages messages;
        TForm2 form;
        Type(form.f1, QStringLiteral("x"));
        form.Przycisk6Click();
        QCOMPARE(Texts(messages.boxes), QStringList{NotDigits});

        form.f1->SetValue(16);
        platform::Printers().Printer().setPageOrientation(QPageLayout::Portrait);
        int pages = -1;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QTimer::singleShot(200, [&] {
            if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                auto* view = dialog->findChild<QPrintPreviewWidget*>();
                pages = view ? view->pageCount() : -2;
                orientation = view ? view->orientation() : orientation;
                dialog->reject();
            }
        });
        form.Przycisk6Click();
        QCOMPARE(pages, 1);
        QCOMPARE(orientation, QPageLayout::Landscape);
        QCOMPARE(messages.boxes.size(), 1);
    }

    // Printing from the preview is the program's print: its question, the
    // print dialog, then the job with its checks.
    void previewPrintsThroughTheProgram()
    {
        FakeMessages messages;
        messages.answers = {mb::ResultYes};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("from preview.pdf"));
        QPrinter& printer = platform::Printers().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        TForm2 form;
        QStringList seen;
        std::function<void()> answer = [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
                seen << QStringLiteral("preview");
                for (QAction* a : preview->findChildren<QAction*>())
                    if (a->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
                        QTimer::singleShot(0, a, &QAction::trigger);
                QTimer::singleShot(300, answer);
            } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
                seen << QStringLiteral("print");
                print->accept();
            }
        };
        QTimer::singleShot(200, answer);
        form.Przycisk6Click();
        QCOMPARE(seen, (QStringList{"preview", "print"}));
        QCOMPARE(Texts(messages.boxes), QStringList{PrintSettingsQuestion + QLatin1Char('?')});
        QCOMPARE(PdfInfo(pdf).value(QStringLiteral("Pages")), QStringLiteral("1"));
    }

    // The grid offered is the smallest for the scale and the printer's paper
    // (its margins taken off), following both until the user picks one.
    void posterGridFollowsScaleAndPaperUntilPicked()
    {
        FakeMessages messages;
        FakePrinters printers;
        printers.printer.setPageSize(QPageSize(QPageSize::A4));
        TForm2 form;
        form.show();
        form.Scale->SetValue(20);
        QVERIFY(!form.ComboBox1->isEnabled());
        form.CheckBox1->click();
        QVERIFY(form.ComboBox1->isEnabled());
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("2 × 3"));
        QCOMPARE(form.ComboBox1->itemText(0), QStringLiteral("2 × 3"));
        form.Scale->SetValue(10); // the strip for the marks takes more than the margins leave
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("1 × 2"));
        printers.printer.setPageSize(QPageSize(QPageSize::A3)); // as the setup dialog leaves it
        form.Przycisk5Click();
        QCOMPARE(printers.setupDialogs, 1);
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("1 × 1"));
        form.Scale->SetValue(20);
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("2 × 2"));

        // Picked, a grid stays while it holds; once it does not, the
        // smallest comes back and follows again.
        form.ComboBox1->setFocus();
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        const QString picked = form.ComboBox1->currentText();
        QVERIFY(picked != QStringLiteral("2 × 2"));
        form.Scale->SetValue(19);
        QCOMPARE(form.ComboBox1->currentText(), picked);
        form.Scale->SetValue(3);
        QCOMPARE(form.ComboBox1->currentText(), picked);
        printers.printer.setPageSize(QPageSize(QPageSize::A6));
        form.Przycisk5Click();
        QCOMPARE(form.ComboBox1->currentText(), picked);
        form.Scale->SetValue(20);
        QCOMPARE(form.ComboBox1->currentIndex(), 0);
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("5 × 5"));
        form.Scale->SetValue(1);
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("1 × 1"));
        QVERIFY(messages.boxes.isEmpty());
    }

    // Ticked, the print, the preview and the saved PDF give the poster's
    // sheets, each with its position; the test print stays one page.
    void tickedPosterPrintsAndPreviewsItsSheets()
    {
        FakeMessages messages;
        FakePrinters printers;
        printers.printer.setPageSize(QPageSize(QPageSize::A4));
        TForm2 form;
        Warn1 = false;
        form.ApplySettings({QStringLiteral("Liberation Sans"), 16, 7, 20, 8, true, DefaultInfoLines()});
        form.CheckBox1->setChecked(true);
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("2 × 3"));
        form.Przycisk1Click();
        QVERIFY(messages.boxes.isEmpty());
        const auto info = PdfInfo(printers.Pdf());
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("6"));
        QVERIFY(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")));
        const QList<QStringList> pages = PdfPages(printers.Pdf());
        QCOMPARE(pages.size(), 6);
        const QStringList labels{"A1", "A2", "B1", "B2", "C1", "C2"};
        for (qsizetype i = 0; i < pages.size(); ++i)
            QVERIFY2(pages[i].join(u' ').split(u' ').contains(labels[i]), qPrintable(labels[i]));

        printers.printer.setOutputFileName(printers.Pdf(QStringLiteral("test.pdf")));
        form.Przycisk4Click();
        QCOMPARE(PdfInfo(printers.Pdf(QStringLiteral("test.pdf"))).value(QStringLiteral("Pages")), QStringLiteral("1"));

        printers.printer.setOutputFileName(printers.Pdf(QStringLiteral("preview.pdf")));
        form.Przycisk6Click();
        QCOMPARE(printers.previewDialogs, 1);
        QCOMPARE(PdfInfo(printers.Pdf(QStringLiteral("preview.pdf"))).value(QStringLiteral("Pages")),
                 QStringLiteral("6"));

        // Saved as a PDF, the poster's sheets too; a picture stays one.
        FakeSaveDialogs dialogs;
        dialogs.answer = printers.Pdf(QStringLiteral("saved.pdf"));
        form.Przycisk7Click();
        QCOMPARE(PdfInfo(dialogs.answer).value(QStringLiteral("Pages")), QStringLiteral("6"));
        dialogs.answer = printers.Pdf(QStringLiteral("saved.png"));
        form.Przycisk7Click();
        QCOMPARE(KindOfContent(dialogs.answer), QStringLiteral("png"));

        form.CheckBox1->setChecked(false);
        printers.printer.setOutputFileName(printers.Pdf(QStringLiteral("whole.pdf")));
        form.Przycisk1Click();
        QCOMPARE(PdfInfo(printers.Pdf(QStringLiteral("whole.pdf"))).value(QStringLiteral("Pages")),
                 QStringLiteral("1"));
        QVERIFY(messages.boxes.isEmpty());
    }

    // Smaller paper chosen in the print dialog: the grid no longer holds,
    // nothing is printed, and the list offers what does.
    void posterThatNoLongerFitsThePaperIsRefused()
    {
        FakeMessages messages;
        FakePrinters printers;
        printers.printer.setPageSize(QPageSize(QPageSize::A4));
        PaperChangingPrinters changing(printers, QPageSize(QPageSize::A5));
        TForm2 form;
        Warn1 = false;
        form.Scale->SetValue(20);
        form.CheckBox1->setChecked(true);
        form.Przycisk1Click();
        QCOMPARE(Texts(messages.boxes), QStringList{QStringLiteral("Układ w skali 20 nie mieści się na plakacie 2 × 3 "
                                                                   "z arkuszy wybranego papieru.\r\nWybierz inny "
                                                                   "podział plakatu.")});
        QVERIFY(!QFile::exists(printers.Pdf()));
        QVERIFY(form.Przycisk1->Aktywny());
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("3 × 4"));
    }

    // The ending of the name tells the kind of file; a name without one is
    // of the type chosen. The PDF is the print's: landscape on the printer's
    // paper. The next save offers the kind saved first.
    void savingWritesTheKindTheNameOrTheChosenTypeTells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("offeredNext");
        QTest::newRow("pdf") << "wykres.pdf" << 0 << "pdf" << 0;
        QTest::newRow("svg, the ending wins") << "wykres.svg" << 0 << "svg" << 1;
        QTest::newRow("PNG in capitals") << "Wykres.PNG" << 1 << "png" << 2;
        QTest::newRow("no ending, SVG chosen") << "wykres" << 1 << "svg" << 1;
        QTest::newRow("unknown ending, PNG chosen") << "wykres.v2" << 2 << "png" << 2;
    }
    void savingWritesTheKindTheNameOrTheChosenTypeTells()
    {
        QFETCH(QString, name);
        QFETCH(int, chosen);
        QFETCH(QString, kind);
        QFETCH(int, offeredNext);
        FakeMessages messages;
        FakePrinters printers;
        printers.printer.setPageSize(QPageSize(QPageSize::A3));
        FakeSaveDialogs dialogs;
        TForm2 form;
        form.ApplySettings({QString(), 16, 7, 10, 8, true, DefaultInfoLines()});
        dialogs.answer = printers.Pdf(name);
        dialogs.chosen = chosen;
        form.Przycisk7Click();
        QCOMPARE(dialogs.offered, (QStringList{"PDF|*.pdf", "SVG|*.svg", "PNG|*.png"}));
        QCOMPARE(dialogs.offeredFirst, 0);
        QCOMPARE(dialogs.shownName, QStringLiteral("Zefirak.pdf"));
        QCOMPARE(Texts(messages.boxes), QStringList());
        QCOMPARE(KindOfContent(dialogs.answer), kind);
        if (kind == QLatin1String("pdf")) {
            const auto info = PdfInfo(dialogs.answer);
            QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
            QVERIFY2(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("1191 x 842")),
                     qPrintable(info.value(QStringLiteral("Page size"))));
        }
        QCOMPARE(Listing(printers.dir.path()), QStringList{QFileInfo(dialogs.answer).fileName()});
        QVERIFY(form.Przycisk7->Aktywny());

        dialogs.answer.clear(); // cancelled: nothing happens
        form.Przycisk7Click();
        QCOMPARE(dialogs.offeredFirst, offeredNext);
        QVERIFY(dialogs.shownName.endsWith(dialogs.offered[offeredNext].section(u'*', 1)));
        QCOMPARE(Listing(printers.dir.path()).size(), 1);
        QVERIFY(messages.boxes.isEmpty());
    }

    // The reason in a box, nothing written, not even in part.
    void failedSaveIsReportedAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing/wykres.png"
                                        << "";
        QTest::newRow("a folder") << "folder.svg"
                                  << "to nie jest zwykły plik";
        QTest::newRow("read-only folder") << "read-only/wykres.pdf"
                                          << "";
    }
    void failedSaveIsReportedAndLeavesNoFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.svg")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("read-only")));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("read-only")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (name.startsWith(QLatin1String("read-only")) && ::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        const auto before = [&] { return Listing(dir.path()) + Listing(dir.filePath(QStringLiteral("read-only"))); };
        const QStringList listed = before();
        FakeMessages messages;
        FakePrinters printers;
        FakeSaveDialogs dialogs;
        TForm2 form;
        dialogs.answer = dir.filePath(name);
        form.Przycisk7Click();
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].caption, QStringLiteral("Błąd!"));
        const QString text = messages.boxes[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("Nie udało się zapisać układu: nie można zapisać pliku\r\n")),
                 qPrintable(text));
        QVERIFY2(text.contains(dialogs.answer + QStringLiteral("\r\n(") + reason), qPrintable(text));
        QCOMPARE(before(), listed);
        QVERIFY(form.Przycisk7->Aktywny());
    }

    // Typed sizes are checked first; while the save runs the button is
    // inactive and a second click starts nothing.
    void saveChecksTheSizesAndASecondClickStartsNothing()
    {
        FakeMessages messages;
        FakePrinters printers;
        FakeSaveDialogs dialogs;
        TForm2 form;
        Type(form.f2, QStringLiteral("x"));
        form.Przycisk7Click();
        QCOMPARE(Texts(messages.boxes), QStringList{NotDigits});
        QCOMPARE(dialogs.calls, 0);

        form.f2->SetValue(7);
        bool activeDuringSave = true;
        dialogs.duringDialog = [&] {
            activeDuringSave = form.Przycisk7->Aktywny();
            form.Przycisk7Click();
            QTest::mouseClick(form.Przycisk7, Qt::LeftButton);
        };
        dialogs.answer = printers.Pdf(QStringLiteral("raz.png"));
        form.Przycisk7Click();
        QCOMPARE(dialogs.calls, 1);
        QVERIFY(!activeDuringSave);
        QVERIFY(form.Przycisk7->Aktywny());
        QCOMPARE(KindOfContent(dialogs.answer), QStringLiteral("png"));
        QCOMPARE(messages.boxes.size(), 1);
    }

    // The real save dialog offers the three types; choosing one changes the
    // name's ending, and a name typed without one gets the chosen type's.
    void realSaveDialogGivesTheChosenTypesEnding()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 form;
        QStringList filters;
        QString renamed;
        QTimer::singleShot(200, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            filters = dialog->nameFilters();
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!types || !name) {
                dialog->reject();
                return;
            }
            QTest::keyClick(types, Qt::Key_Down); // PDF to SVG to PNG, as a user chooses
            QTest::keyClick(types, Qt::Key_Down);
            renamed = name->text();
            name->setText(printers.Pdf(QStringLiteral("wykres")));
            static_cast<QDialog*>(dialog)->accept(); // the dialog's own check of the name, as OK runs it
        });
        form.Przycisk7Click();
        QCOMPARE(filters, (QStringList{"PDF (*.pdf)", "SVG (*.svg)", "PNG (*.png)"}));
        QCOMPARE(renamed, QStringLiteral("Zefirak.png"));
        QCOMPARE(Texts(messages.boxes), QStringList());
        QCOMPARE(KindOfContent(printers.Pdf(QStringLiteral("wykres.png"))), QStringLiteral("png"));
    }

    // The real print dialog starts with the file and the paper the last
    // job had, whether or not the system has a default printer.
    void realPrintDialogPrintsToAFile()
    {
        FakeMessages messages;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("wall chart.pdf"));
        QPrinter& printer = platform::Printers().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A3)); // as "Ustawienia drukarki" leaves it
        TForm2 form;
        Warn1 = false;
        bool sawDialog = false;
        QTimer::singleShot(200, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                sawDialog = true;
                dialog->accept();
            }
        });
        form.Przycisk1Click();
        QVERIFY(sawDialog);
        QVERIFY(messages.boxes.isEmpty());
        const auto info = PdfInfo(pdf);
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY2(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("1191 x 842")),
                 qPrintable(info.value(QStringLiteral("Page size"))));
        QCOMPARE(printer.docName(), QStringLiteral("Zefirak"));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
