// The data report dialog: its controls, the element list, the buttons, the
// size checks, printing through the shared printer (replaced by PDF files
// read back with poppler), failed jobs, closing, and its two ways in from
// the main window.
#include "app/Forms.h"
#include "app/TForm1.h"
#include "app/Toolbar.h"
#include "data/ElementTables.h"
#include "data/SettingsValues.h"
#include "print/ReportText.h"
#include "print/TForm2.h"
#include "print/TForm3.h"
#include "tests/FileSizeLimit.h"
#include "tests/app/FakeMessages.h"
#include "tests/print/PrintTestKit.h"
#include "widgets/PrintLists.h"
#include "widgets/Przycisk.h"
#include "widgets/ZfkButton.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <optional>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

const QString NothingTicked = QStringLiteral("Nie zaznaczono żadnego pierwiastka!");
const QString NotDigits = QStringLiteral("Nie wybrano poprawnego rozmiaru czcionki!");
const QString OutOfRange = QStringLiteral("Podano rozmiar czcionki z poza dopuszczalnego zakresu!");

std::vector<int> Ticked(const TForm3& form) { return form.CheckedElements(); }

void Tick(TForm3& form, std::initializer_list<int> elements)
{
    for (int z : elements)
        form.RxCheckListBox1->item(z - 1)->setCheckState(Qt::Checked);
}

// The report's non-empty lines, blanks runs squeezed, as pdftotext gives them.
QStringList ExpectedLines(const std::vector<int>& elements)
{
    QStringList lines;
    for (const QString& line : ReportText(elements).split(QStringLiteral("\r\n")))
        if (!line.isEmpty())
            lines.append(line.simplified());
    return lines;
}

QStringList Simplified(QStringList lines)
{
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The main window loads the program's tables, as at start-up.
        mainWindow = std::make_unique<TForm1>();
        mainWindow->SetLatin(false);
    }
    void cleanup() { mainWindow->SetLatin(false); }

    void controlsShowTheirCaptions_data()
    {
        CaptionColumns();
        const auto row = CaptionRow;
        row("Label1", "Wybierz pierwiastki których dane chcesz wydrukować:");
        row("Przycisk3", "Zaznacz wszystkie");
        row("Przycisk4", "Odznacz wszystkie");
        row("Przycisk6", "Domyślne paramtery");
        row("Przycisk5", "Ustawienia drukarki");
        row("Przycisk1", "Drukuj");
        row("Przycisk2", "Anuluj");
        row("Label2", "Nazwa Czcionki:");
        row("Label3", "Rozmiar:");
        row("f1", "--Wybierz z listy--");
        row("Label4", "Próbka tekstu:");
        row("probka", "H - Wodór");
        row("Przycisk7", "Podgląd wydruku");
    }
    void controlsShowTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TForm3 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Wydruk raportowy danych"));
        QCOMPARE(form.size(), QSize(256, 265));
        auto* w = form.findChild<QWidget*>(name);
        QVERIFY(w);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(w))
            shown = label->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            shown = c->currentText();
        else if (auto* p = qobject_cast<TPrzycisk*>(w))
            shown = p->Tekst();
        QCOMPARE(shown, caption);
        if (auto* p = qobject_cast<TPrzycisk*>(w)) {
            QCOMPARE(p->Kolor_Przycisku(), TColor(14155775));
            QVERIFY(p->Aktywny());
        }
    }

    // The sentence above the list takes two lines, the rest one each.
    void controlsStayInsideTheDialogApartAndTheirTextsFit()
    {
        TForm3 form;
        QCOMPARE(LayoutFaults(form), QStringList());
        QVERIFY(form.Label1->wordWrap());
    }

    void tabFollowsTheReadingOrder()
    {
        TForm3 form;
        form.show();
        // By rows: the list and the buttons beside it, the font and its size.
        const QStringList reading = ReadingOrder(form);
        QCOMPARE(reading, (QStringList{"RxCheckListBox1", "Przycisk3", "Przycisk4", "Przycisk6", "Przycisk5",
                                       "Przycisk1", "Przycisk2", "FontComboBox1", "f1", "Przycisk7"}));
        QCOMPARE(TabOrder(form, form.RxCheckListBox1), reading);
        QStringList back = reading;
        std::reverse(back.begin() + 1, back.end());
        QCOMPARE(TabOrder(form, form.RxCheckListBox1, true), back);
    }

    void sizeListHoldsTheSizesAndTheSampleIsTheDesignHeight()
    {
        TForm3 form;
        QCOMPARE(form.f1->count(), 25);
        QCOMPARE(form.f1->itemText(0), QStringLiteral("25"));
        QCOMPARE(form.f1->itemText(13), QStringLiteral("12"));
        QCOMPARE(form.f1->itemText(24), QStringLiteral("01"));
        QCOMPARE(form.f1->currentIndex(), -1);
        QCOMPARE(form.probka->font().pixelSize(), 13);
    }

    // Every showing rebuilds the 111 rows unticked, in the names shown now.
    void showingRebuildsTheListUnticked_data()
    {
        QTest::addColumn<bool>("latin");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("iron");
        QTest::newRow("Polish") << false << "H - Wodór"
                                << "Fe - Żelazo";
        QTest::newRow("Latin") << true << "H - Hydrogenium"
                               << "Fe - Ferrum";
    }
    void showingRebuildsTheListUnticked()
    {
        QFETCH(bool, latin);
        QFETCH(QString, first);
        QFETCH(QString, iron);
        FakeMessages messages;
        TForm3 form;
        form.f1->setCurrentIndex(13);
        form.show();
        Tick(form, {1, 26, 111});
        form.Przycisk2Click();
        QVERIFY(!form.isVisible());
        mainWindow->SetLatin(latin);
        form.show();
        QCOMPARE(form.RxCheckListBox1->count(), 111);
        QCOMPARE(form.RxCheckListBox1->item(0)->text(), first);
        QCOMPARE(form.RxCheckListBox1->item(25)->text(), iron);
        QCOMPARE(form.RxCheckListBox1->item(110)->text().left(5), QStringLiteral("Rg - "));
        QCOMPARE(form.RxCheckListBox1->visualItemRect(form.RxCheckListBox1->item(1)).height(), 13);
        QVERIFY(!form.AnyChecked());
        QVERIFY(Ticked(form).empty());
        QVERIFY(messages.boxes.isEmpty());
    }

    void buttonsTickAndUntickEveryElement()
    {
        TForm3 form;
        form.show();
        QVERIFY(!form.AnyChecked());
        form.Przycisk3Click();
        QCOMPARE(Ticked(form).size(), size_t(111));
        form.Przycisk4Click();
        QVERIFY(!form.AnyChecked());
        Tick(form, {111});
        QVERIFY(form.AnyChecked());
        QCOMPARE(Ticked(form), std::vector<int>{111});
    }

    // Filled at the first showing, not at creation; no face that prints
    // pictures instead of letters; the sample follows the chosen face.
    void sampleShowsTheChosenFace()
    {
        TForm3 form;
        QVERIFY(!form.FontComboBox1->Filled());
        form.ApplySettings({QStringLiteral("liberation serif"), 12}); // the store, before the list exists
        QCOMPARE(form.Settings().fontName, QStringLiteral("liberation serif"));
        form.show();
        QVERIFY(form.FontComboBox1->Filled());
        QCOMPARE(form.Settings().fontName, QStringLiteral("Liberation Serif"));
        QCOMPARE(form.probka->font().family(), QStringLiteral("Liberation Serif"));
        QStringList listed;
        for (int i = 0; i < form.FontComboBox1->count(); ++i)
            listed.append(form.FontComboBox1->itemText(i));
        QVERIFY(listed.contains(QStringLiteral("DejaVu Sans")));
        int symbolFaces = 0;
        for (const QString& family : QFontDatabase::families()) {
            const bool symbol = QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
            symbolFaces += symbol;
            QVERIFY2(listed.contains(family) != symbol, qPrintable(family));
        }
        QVERIFY(symbolFaces > 0); // the machine has some to leave out

        form.FontComboBox1->setCurrentIndex(listed.indexOf(QStringLiteral("DejaVu Sans")));
        QCOMPARE(form.probka->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(form.probka->font().pixelSize(), 13);
        QCOMPARE(form.probka->text(), QStringLiteral("H - Wodór"));
        form.f1->setCurrentIndex(0); // the size does not change the sample
        QCOMPARE(form.probka->font().pixelSize(), 13);
    }

    void defaultsButtonRestoresTheDesignValues()
    {
        FakeMessages messages;
        TForm3 form;
        form.show();
        form.FontComboBox1->SetName(QStringLiteral("DejaVu Serif"));
        Type(form.f1, QStringLiteral("x"));
        form.Przycisk3Click();
        form.Przycisk6Click();
        QCOMPARE(form.f1->currentIndex(), 13);
        QCOMPARE(form.f1->currentText(), QStringLiteral("12"));
        QVERIFY(!form.AnyChecked());
        // Arial where it is installed, elsewhere its metric twin: the list
        // shows the face that prints, and so does the sample.
        const QString face = form.Settings().fontName;
        QVERIFY(face == QStringLiteral("Arial") || face == QStringLiteral("Liberation Sans"));
        QCOMPARE(form.probka->font().family(), face);
        QVERIFY(messages.boxes.isEmpty());
    }

    // Each row: what is typed in the size list (empty: row 13 chosen), the
    // ticks, whether the print dialog is accepted; the boxes, the dialogs
    // shown, and whether a PDF comes out.
    void printAsksForATickAndAValidSizeFirst_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("printDialogs");
        QTest::addColumn<bool>("printed");
        QTest::newRow("nothing ticked") << "" << false << true << QStringList{NothingTicked} << 0 << false;
        QTest::newRow("nothing ticked, bad size") << "30" << false << true << QStringList{NothingTicked} << 0 << false;
        QTest::newRow("typed 30") << "30" << true << true << QStringList{OutOfRange} << 0 << false;
        QTest::newRow("typed 0") << "0" << true << true << QStringList{OutOfRange} << 0 << false;
        QTest::newRow("typed 1a") << "1a" << true << true << QStringList{NotDigits} << 0 << false;
        QTest::newRow("typed nothing") << "-" << true << true << QStringList{NotDigits} << 0 << false;
        QTest::newRow("typed 7") << "7" << true << true << QStringList{} << 1 << true;
        QTest::newRow("row chosen") << "" << true << true << QStringList{} << 1 << true;
        QTest::newRow("print dialog cancelled") << "" << true << false << QStringList{} << 1 << false;
    }
    void printAsksForATickAndAValidSizeFirst()
    {
        QFETCH(QString, typed);
        QFETCH(bool, tick);
        QFETCH(bool, accept);
        QFETCH(QStringList, boxes);
        QFETCH(int, printDialogs);
        QFETCH(bool, printed);
        FakeMessages messages;
        FakePrinters printers;
        printers.accept = accept;
        TForm3 form;
        form.show();
        form.f1->setCurrentIndex(13);
        if (typed == QLatin1String("-"))
            Type(form.f1, QString());
        else if (!typed.isEmpty())
            Type(form.f1, typed);
        if (tick)
            Tick(form, {1});
        form.Przycisk1Click();
        QCOMPARE(Texts(messages.boxes), boxes);
        QCOMPARE(printers.printDialogs, printDialogs);
        QCOMPARE(QFile::exists(printers.Pdf()), printed);
        if (typed == QLatin1String("7"))
            QCOMPARE(form.f1->currentText(), QStringLiteral("07"));
        QVERIFY(form.Przycisk1->Aktywny());
    }

    // The preview shows the pages the print makes, after the same checks.
    void previewShowsWhatPrints()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm3 form;
        form.show();
        form.f1->SetValue(12);
        form.Przycisk7Click();
        QCOMPARE(Texts(messages.boxes), QStringList{NothingTicked});
        QCOMPARE(printers.previewDialogs, 0);

        Tick(form, {26, 79});
        form.Przycisk7Click();
        QCOMPARE(printers.previewDialogs, 1);
        QCOMPARE(Simplified(PdfLines(printers.Pdf())), ExpectedLines({26, 79}));
        QCOMPARE(printers.printDialogs, 0); // nothing printed

        // Printing from the preview goes through the print dialog.
        QFile::remove(printers.Pdf());
        printers.printFromPreview = true;
        form.Przycisk7Click();
        QCOMPARE(printers.previewDialogs, 2);
        QCOMPARE(printers.printDialogs, 1);
        QCOMPARE(Simplified(PdfLines(printers.Pdf())), ExpectedLines({26, 79}));
    }

    // The header, then the blocks in ascending order whatever the order of
    // ticking; a plain portrait page with no title when nothing else has
    // printed; the names as shown.
    void reportPrintsTheTickedElements_data()
    {
        QTest::addColumn<bool>("latin");
        QTest::addColumn<QString>("hydrogen");
        QTest::newRow("Polish") << false << "Pierwiastek: H - Wodór";
        QTest::newRow("Latin") << true << "Pierwiastek: H - Hydrogenium";
    }
    void reportPrintsTheTickedElements()
    {
        QFETCH(bool, latin);
        QFETCH(QString, hydrogen);
        FakeMessages messages;
        FakePrinters printers;
        mainWindow->SetLatin(latin);
        TForm3 form;
        form.show();
        form.f1->setCurrentIndex(13);
        Tick(form, {26, 2, 1});
        form.Przycisk1Click();
        QVERIFY(messages.boxes.isEmpty());
        const QStringList lines = Simplified(PdfLines(printers.Pdf()));
        QCOMPARE(lines, ExpectedLines({1, 2, 26}));
        QCOMPARE(lines.size(), 1 + 3 * 13);
        QCOMPARE(lines[0], QStringLiteral("***Dane Pierwiastków Chemicznych*** - Zefirak 2.5.1.FREE"));
        QCOMPARE(lines[1], hydrogen);
        QCOMPARE(lines[13], QStringLiteral("Liczba elektronów w powłokach: K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0"));
        const auto info = PdfInfo(printers.Pdf());
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY2(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("595")),
                 qPrintable(info.value(QStringLiteral("Page size"))));
        QCOMPARE(info.value(QStringLiteral("Title")), QString());
    }

    // The printer is the one the chart print left: landscape, and titled.
    void afterAChartPrintTheReportIsLandscapeAndTitled()
    {
        FakeMessages messages;
        FakePrinters printers;
        TForm2 chart;
        Warn1 = false;
        printers.printer.setOutputFileName(printers.Pdf(QStringLiteral("chart.pdf")));
        chart.Przycisk1Click();
        QVERIFY(QFile::exists(printers.Pdf(QStringLiteral("chart.pdf"))));

        printers.printer.setOutputFileName(printers.Pdf());
        TForm3 form;
        form.show();
        form.f1->setCurrentIndex(13);
        Tick(form, {1});
        form.Przycisk1Click();
        QVERIFY(messages.boxes.isEmpty());
        const auto info = PdfInfo(printers.Pdf());
        QVERIFY2(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")),
                 qPrintable(info.value(QStringLiteral("Page size"))));
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Zefirak"));
        QCOMPARE(Simplified(PdfLines(printers.Pdf())), ExpectedLines({1}));
    }

    void printerSetupButtonOpensThePageSetup()
    {
        FakePrinters printers;
        TForm3 form;
        form.Przycisk5Click();
        QCOMPARE(printers.setupDialogs, 1);
    }

    // A job that cannot be written to its file gets one error box that
    // says so and why, and the next job to a good file goes through.
    void failedJobIsReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing folder") << "missing/report.pdf" << qint64(0) << "folder nie istnieje";
        QTest::newRow("a folder") << "." << qint64(0) << "to jest folder";
        // The file stops growing part way, as on a full disk.
        QTest::newRow("cut short") << "short.pdf" << qint64(4096) << "nie został zapisany w całości";
    }
    void failedJobIsReported()
    {
        QFETCH(QString, file);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, says);
        FakeMessages messages;
        FakePrinters printers;
        TForm3 form;
        form.show();
        form.f1->setCurrentIndex(13);
        form.Przycisk3Click();
        const QString path = QDir::cleanPath(printers.Pdf(file));
        printers.printer.setOutputFileName(path);
        printers.printer.setPageOrientation(QPageLayout::Landscape); // as a chart print leaves it
        printers.printer.setDocName(QStringLiteral("Zefirak"));
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit > 0) {
                limit.emplace(rlim_t(sizeLimit));
                QVERIFY(limit->Applied());
            }
            form.Przycisk1Click();
        }
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].caption, QStringLiteral("Błąd!"));
        QVERIFY(messages.boxes[0].text.startsWith(QStringLiteral("Nie udało się wydrukować raportu")));
        QVERIFY2(messages.boxes[0].text.contains(says), qPrintable(messages.boxes[0].text));
        QVERIFY(messages.boxes[0].text.contains(path));
        if (sizeLimit > 0)
            QVERIFY(!QFile::exists(path)); // no broken PDF left behind
        QVERIFY(form.Przycisk1->Aktywny());

        printers.printer.setOutputFileName(printers.Pdf());
        form.Przycisk1Click();
        QVERIFY2(messages.boxes.size() == 1, qPrintable(Texts(messages.boxes).join(QLatin1Char('|'))));
        QVERIFY(PdfPages(printers.Pdf()).size() > 1);
        // The printer kept its settings through the failure.
        const auto info = PdfInfo(printers.Pdf());
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Zefirak"));
        QVERIFY(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")));
    }

    // Closing checks a typed size, with its box, and closes whatever it says.
    void closingChecksTheTypedSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("row");
        QTest::newRow("30") << "30" << QStringList{OutOfRange} << -1;
        QTest::newRow("abc") << "abc" << QStringList{NotDigits} << -1;
        QTest::newRow("9") << "9" << QStringList{} << 16;
        QTest::newRow("row chosen") << "" << QStringList{} << 13;
    }
    void closingChecksTheTypedSize()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, boxes);
        QFETCH(int, row);
        FakeMessages messages;
        TForm3 form;
        form.show();
        form.f1->setCurrentIndex(13);
        if (!typed.isEmpty())
            Type(form.f1, typed);
        form.Przycisk2Click();
        QVERIFY(!form.isVisible());
        QCOMPARE(Texts(messages.boxes), boxes);
        QCOMPARE(form.f1->currentIndex(), row);
    }

    void escapeClosesTheDialog_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("element list") << "RxCheckListBox1";
        QTest::newRow("font list") << "FontComboBox1";
        QTest::newRow("size list") << "f1";
    }
    void escapeClosesTheDialog()
    {
        QFETCH(QString, control);
        FakeMessages messages;
        TForm3 form;
        form.f1->setCurrentIndex(13);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* w = form.findChild<QWidget*>(control);
        QWidget* target = w == form.f1 ? form.f1->lineEdit() : w;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QVERIFY(messages.boxes.isEmpty());
    }

    // "Wydrukuj dane" opens the dialog beside the main window with the
    // selected element ticked and in view; "Wydruk Raportu" opens it
    // modally, with nothing ticked.
    void dialogOpensFromTheMainWindow()
    {
        FakeMessages messages;
        FakePrinters printers;
        Form3 = new TForm3(mainWindow.get());
        const auto forget = qScopeGuard([] {
            delete Form3;
            Form3 = nullptr;
        });
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
        ElementButtons[25]->Click(); // iron
        Form3->show();
        Tick(*Form3, {1, 2}); // left over from an earlier use
        QTest::mouseClick(mainWindow->OriginalToolbarButton973, Qt::LeftButton);
        QCoreApplication::processEvents(); // the click's action runs from the event loop
        QVERIFY(messages.boxes.isEmpty());
        QVERIFY(Form3->isVisible());
        QVERIFY(!Form3->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Ticked(*Form3), std::vector<int>{26});
        QCOMPARE(Form3->RxCheckListBox1->currentRow(), 25);
        const QRect row = Form3->RxCheckListBox1->visualItemRect(Form3->RxCheckListBox1->item(25));
        QVERIFY(Form3->RxCheckListBox1->viewport()->rect().contains(row));
        // The main window keeps working meanwhile.
        QTest::mouseClick(ElementButtons[10], Qt::LeftButton);
        QCOMPARE(SelectedElement, 11);

        Form3->f1->setCurrentIndex(13);
        Form3->Przycisk1Click();
        const QStringList lines = Simplified(PdfLines(printers.Pdf()));
        QCOMPARE(lines, ExpectedLines({26}));

        bool modal = false;
        bool nothingTicked = false;
        QTest::mouseClick(mainWindow->ToolbarButton971, Qt::LeftButton);
        QVERIFY(!Form3->isModal()); // opened once the click has returned
        // Queued after the opening, so it runs in the dialog's own loop.
        QTimer::singleShot(0, Form3, [&] {
            modal = QApplication::activeModalWidget() == Form3;
            nothingTicked = Form3->isVisible() && !Form3->AnyChecked();
            Form3->Przycisk2Click();
        });
        QCoreApplication::processEvents();
        QVERIFY(modal);
        QVERIFY(nothingTicked);
        QVERIFY(!Form3->isVisible());
        mainWindow->hide();
    }

private:
    std::unique_ptr<TForm1> mainWindow;
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
