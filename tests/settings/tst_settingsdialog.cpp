// The settings dialog against a recording main window, a scripted colour
// dialog and a temporary program folder: what applying writes and calls,
// what dismissing drops, the swatches, the layout and the unseen controls;
// the information page against zfktool and the files really written.
#include "data/SettingsValues.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsStore.h"
#include "settings/Skin.h"
#include "settings/TForm4.h"
#include "tests/TabWalk.h"
#include "tests/app/FakeMessages.h"
#include "tests/app/TempProgramFolder.h"
#include "widgets/Przycisk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

// Records each call with whether the dialog was enabled meanwhile; the
// reload reads the colour file back, as the real window does.
class FakeLink final : public MainWindowLink {
public:
    void SetLatin(bool latin) override { Record(QStringLiteral("SetLatin(%1)").arg(latin)); }
    void loadskin(const QString& name, TColor) override
    {
        Record(QStringLiteral("loadskin"));
        ColorScheme = ReadColors(name);
    }
    void RepaintWindow() override { Record(QStringLiteral("RepaintWindow")); }
    void Record(const QString& call) { calls << call + (dialog->isEnabled() ? "" : " disabled"); }
    QStringList calls;
    QWidget* dialog = nullptr;
};

class FakeColorDialog final : public ColorDialogService {
public:
    FakeColorDialog() { platform::SetColorDialogs(this); }
    ~FakeColorDialog() override { platform::SetColorDialogs(nullptr); }
    bool ChooseColor(QWidget*, QColor& color) override
    {
        presets << color;
        if (confirm)
            color = answer;
        return confirm;
    }
    QList<QColor> presets;
    QColor answer = Qt::red;
    bool confirm = true;
};

const TColorScheme Current{16777215, 0x00112233, 0x00445566, 0x00778899, true};

// The field colour of a swatch, after checking its black 1-pixel frame and
// that the field is one colour.
QColor SwatchField(QWidget* box)
{
    const QImage img = box->grab().toImage();
    QColor field = img.pixelColor(1, 1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool frame = x == 0 || y == 0 || x == img.width() - 1 || y == img.height() - 1;
            if (img.pixelColor(x, y) != (frame ? QColor(Qt::black) : field))
                return QColor(); // invalid: no swatch
        }
    return field;
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT

    TempProgramFolder paths;
    FakeMessages messages;
    FakeColorDialog colours;
    FakeLink link;
    std::unique_ptr<TForm4> form;
    QString colFile;

    void Show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // The information page's lines (paragraphs and line breaks alike).
    QStringList InformationLines()
    {
        form->ToolButton2Click();
        return form->Memo1->toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n')).split('\n');
    }

private slots:
    void init()
    {
        ColorScheme = Current;
        LatinNames = false;
        SkinName = QStringLiteral("default");
        colFile = paths.dir.filePath(skinfile::Colors);
        QDir(colFile).removeRecursively(); // a folder in its place, left by a test
        QFile::remove(colFile);
        form = std::make_unique<TForm4>(link);
        // Most cases are about the appearance page; a new dialog would open
        // on the information.
        form->ToolButton1Click();
        link.calls.clear();
        link.dialog = form.get();
        colours.presets.clear();
        colours.answer = Qt::red;
        colours.confirm = true;
        messages.boxes.clear();
    }
    void cleanup() { form.reset(); }

    void controlsStandWhereTheDesignPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // width 0: a label, as wide as its text
        const QList<std::pair<const char*, QRect>> rows = {
            {"ToolButton1", {8, 14, 137, 22}}, {"ToolButton2", {150, 14, 147, 22}}, {"PageControl1", {8, 40, 289, 249}},
            {"GroupBox1", {0, 0, 281, 81}},    {"Label1", {8, 24, 0, 13}},          {"PaintBox1", {96, 22, 81, 17}},
            {"Przycisk1", {184, 20, 89, 21}},  {"Label2", {8, 48, 0, 13}},          {"PaintBox2", {96, 46, 81, 17}},
            {"Przycisk2", {184, 44, 89, 21}},  {"Label3", {8, 128, 0, 13}},         {"PaintBox3", {96, 126, 81, 17}},
            {"Przycisk3", {184, 124, 89, 21}}, {"CheckBox1", {96, 144, 177, 17}},   {"GroupBox2", {0, 88, 281, 65}},
            {"Label4", {8, 26, 0, 13}},        {"ComboBox1", {120, 24, 153, 21}},   {"Przycisk4", {9, 308, 80, 21}},
            {"Przycisk5", {129, 308, 80, 21}}, {"Przycisk6", {216, 308, 81, 21}},
        };
        for (const auto& [name, r] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << r;
    }
    void controlsStandWhereTheDesignPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        Show();
        auto* w = form->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry().topLeft(), geometry.topLeft());
        if (geometry.width())
            QCOMPARE(w->size(), geometry.size());
        if (auto* button = qobject_cast<TPrzycisk*>(w)) {
            QCOMPARE(button->Kolor_Przycisku(), colors::PaleYellow);
            QCOMPARE(button->Font().family(), QStringLiteral("Arial"));
            QCOMPARE(button->Font().pixelSize(), 11);
        }
        QCOMPARE(form->size(), QSize(306, 331));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ustawienia Programu"));
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!form->PageControl1->tabBar()->isVisible());
        QCOMPARE(form->ComboBox1->count(), 2);
        QCOMPARE(form->ComboBox1->itemText(1), QStringLiteral("łacińskie"));
        QVERIFY(!form->ComboBox1->isEditable());
    }

    // Zastosuj and OK after one edit each, or none.
    void applyHandsTheChangesToTheMainWindow_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<TColor>("legend"); // in the file and, read back, in ColorScheme
        QTest::addColumn<bool>("transp");
        const QStringList none;
        const QStringList latin{"SetLatin(1) disabled", "loadskin disabled", "RepaintWindow disabled"};
        const QStringList polish{"SetLatin(0) disabled", "loadskin disabled", "RepaintWindow disabled"};
        QTest::newRow("nothing") << "" << false << none << Current.app_legend << true;
        QTest::newRow("names to Latin") << "latin" << false << latin << Current.app_legend << true;
        QTest::newRow("names to Latin, OK") << "latin" << true << latin << Current.app_legend << true;
        QTest::newRow("legend colour") << "colour" << false << polish << TColor(0x000000FF) << true;
        QTest::newRow("check box") << "transp" << false << polish << Current.app_legend << false;
    }
    void applyHandsTheChangesToTheMainWindow()
    {
        QFETCH(QString, edit);
        QFETCH(bool, ok);
        QFETCH(QStringList, calls);
        QFETCH(TColor, legend);
        QFETCH(bool, transp);
        Show();
        if (edit == "latin")
            form->ComboBox1->setCurrentIndex(1);
        if (edit == "colour")
            QTest::mouseClick(form->Przycisk1, Qt::LeftButton);
        if (edit == "transp")
            form->CheckBox1->click();
        QTest::mouseClick(ok ? form->Przycisk5 : form->Przycisk4, Qt::LeftButton);

        QCOMPARE(link.calls, calls);
        QCOMPARE(QFile::exists(colFile), !calls.isEmpty());
        QCOMPARE(LatinNames, edit == "latin");
        QCOMPARE(form->isVisible(), !ok);
        QVERIFY(form->isEnabled());
        if (calls.isEmpty())
            return;
        TColorScheme expected = Current;
        expected.app_legend = legend;
        expected.but_transp = transp;
        QCOMPARE(ReadColors(SkinName), expected);
        QCOMPARE(ColorScheme, expected);
    }

    // A colour file that cannot be written is named in one error box; the
    // window still reloads (the old file) and repaints.
    void applyWhenTheFileCannotBeWritten()
    {
        // A folder in the file's place, and one that cannot be replaced
        // where it would be moved aside.
        QVERIFY(QDir(paths.dir.path()).mkdir(skinfile::Colors));
        QVERIFY(QDir(paths.dir.path()).mkpath(skinfile::Colors + QStringLiteral(".bad/w środku")));
        Show();
        form->ComboBox1->setCurrentIndex(1);
        form->Przycisk4Click();
        QCOMPARE(messages.boxes.size(), 1);
        QVERIFY(messages.boxes[0].text.contains(QDir::toNativeSeparators(colFile)));
        QCOMPARE(link.calls.size(), 3);
        QCOMPARE(ColorScheme.app_legend, TColorScheme().app_legend);
    }

    // A chosen colour and Latin names, then the dialog is dismissed: nothing
    // is applied, and the next opening shows the current values again.
    void cancellingDropsTheChanges_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Anuluj") << "Przycisk6";
        QTest::newRow("Esc in the check box") << "CheckBox1";
        QTest::newRow("Esc in the names list") << "ComboBox1";
        QTest::newRow("Esc in the dialog") << "Form4";
    }
    void cancellingDropsTheChanges()
    {
        QFETCH(QString, how);
        Show();
        QTest::mouseClick(form->Przycisk1, Qt::LeftButton);
        form->ComboBox1->setCurrentIndex(1);
        QCOMPARE(SwatchField(form->PaintBox1), QColor(Qt::red));
        auto* w = how == "Form4" ? form.get() : form->findChild<QWidget*>(how);
        if (how == "Przycisk6") {
            QTest::mouseClick(w, Qt::LeftButton);
        } else {
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Escape);
        }
        QVERIFY(!form->isVisible());
        QVERIFY(link.calls.isEmpty());
        QVERIFY(!QFile::exists(colFile));
        QVERIFY(!LatinNames);
        Show();
        QCOMPARE(SwatchField(form->PaintBox1), ToQColor(Current.app_legend));
        QCOMPARE(form->ComboBox1->currentIndex(), 0);
        QCOMPARE(form->focusWidget(), form->CheckBox1);
    }

    // Each row's button presets the dialog with its row's colour and
    // repaints only its own swatch, and only when the user confirms.
    void colourButtonChangesItsOwnRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("confirm");
        for (int row = 1; row <= 3; ++row)
            for (bool confirm : {true, false})
                QTest::addRow("row %d, %s", row, confirm ? "chosen" : "cancelled") << row << confirm;
    }
    void colourButtonChangesItsOwnRow()
    {
        QFETCH(int, row);
        QFETCH(bool, confirm);
        Show();
        const QList<QWidget*> boxes{form->PaintBox1, form->PaintBox2, form->PaintBox3};
        const QList<TColor> current{Current.app_legend, Current.app_info, Current.app_buttons};
        const QList<void (TForm4::*)()> clicks{&TForm4::Przycisk1Click, &TForm4::Przycisk2Click,
                                               &TForm4::Przycisk3Click};
        colours.confirm = confirm;
        colours.answer = QColor(10, 20, 30);
        (form.get()->*clicks[row - 1])();
        QCOMPARE(colours.presets, QList<QColor>{ToQColor(current[row - 1])});
        for (int i = 0; i < 3; ++i)
            QCOMPARE(SwatchField(boxes[i]), i == row - 1 && confirm ? colours.answer : ToQColor(current[i]));
    }

    // The button-colour row and the check box sit below their group's edge:
    // nothing of them reaches the screen, yet the check box has the focus.
    void hiddenRowUnseenButFocused()
    {
        Show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->CheckBox1);
        const QList<QWidget*> unseen{form->Label3, form->PaintBox3, form->Przycisk3, form->CheckBox1};
        const QImage shown = form->grab().toImage();
        for (QWidget* w : unseen) {
            QVERIFY(w->isVisible());
            QVERIFY(w->visibleRegion().isEmpty());
            w->hide();
        }
        QCOMPARE(form->grab().toImage(), shown);
    }

    // The page buttons, the shown page's controls, then the dialog's
    // buttons, and round again either way. On the appearance page the
    // unseen button takes no focus, the check box keeps its place before the
    // list; on the information page its text is one stop.
    void tabVisitsEveryButtonAsItIsRead_data()
    {
        QTest::addColumn<bool>("information");
        QTest::addColumn<QStringList>("page");
        QTest::newRow("appearance") << false << QStringList{"Przycisk1", "Przycisk2", "CheckBox1", "ComboBox1"};
        QTest::newRow("information") << true << QStringList{"Memo1"};
    }
    void tabVisitsEveryButtonAsItIsRead()
    {
        QFETCH(bool, information);
        QFETCH(QStringList, page);
        if (information)
            form->ToolButton2Click();
        Show();
        const auto names = [](const QList<QWidget*>& widgets) {
            QStringList list;
            for (QWidget* w : widgets)
                list << (w ? w->objectName() : QStringLiteral("?"));
            return list;
        };
        QStringList forward =
            QStringList{"ToolButton1", "ToolButton2"} + page + QStringList{"Przycisk4", "Przycisk5", "Przycisk6"};
        QCOMPARE(names(TabWalk(form->ToolButton1)), forward);
        std::reverse(forward.begin() + 1, forward.end());
        QCOMPARE(names(TabWalk(form->ToolButton1, true)), forward);
    }

    void pageButtonHover_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Wygląd programu") << "ToolButton1";
        QTest::newRow("Informacja o programie") << "ToolButton2";
    }
    void pageButtonHover()
    {
        QFETCH(QString, name);
        auto* button = form->findChild<QToolButton*>(name);
        QVERIFY(button);
        button->click();
        Show();
        QVERIFY(button->font().bold());
        // Bold, the caption still fits its button.
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 4);
        QEnterEvent enter({1, 1}, {1, 1}, {1, 1});
        QCoreApplication::sendEvent(button, &enter);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::black));
        // The keyboard's focus looks the same, for as long as it stays.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        button->setFocus(Qt::TabFocusReason);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        QCoreApplication::sendEvent(button, &leave);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        form->Przycisk4->setFocus(Qt::TabFocusReason);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::black));
    }

    // A new dialog opens on the information, with its text to read; later
    // it opens on the page last shown, whether closed by Esc or "Anuluj".
    // The shown page's button is bold, the other regular.
    void dialogOpensOnTheInformationFirstThenOnTheLastPage()
    {
        form = std::make_unique<TForm4>(link);
        link.dialog = form.get();
        const auto bold = [this] {
            return QString::number(form->ToolButton1->font().bold())
                   + QString::number(form->ToolButton2->font().bold());
        };
        Show();
        QCOMPARE(form->PageControl1->currentWidget(), form->TabSheet2);
        QCOMPARE(bold(), QStringLiteral("01"));
        QCOMPARE(form->focusWidget(), form->Memo1);
        QVERIFY(!form->Memo1->toPlainText().isEmpty());
        // Esc in the text closes the dialog.
        QTest::keyClick(form->Memo1, Qt::Key_Escape);
        QVERIFY(!form->isVisible());

        Show();
        QCOMPARE(form->PageControl1->currentWidget(), form->TabSheet2);
        QTest::mouseClick(form->ToolButton1, Qt::LeftButton);
        QCOMPARE(form->PageControl1->currentWidget(), form->TabSheet1);
        QCOMPARE(bold(), QStringLiteral("10"));
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());

        Show();
        QCOMPARE(form->PageControl1->currentWidget(), form->TabSheet1);
        QCOMPARE(form->focusWidget(), form->CheckBox1);
        QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
        QTest::mouseClick(form->Przycisk6, Qt::LeftButton); // "Anuluj"
        QVERIFY(!form->isVisible());
        Show();
        QCOMPARE(form->PageControl1->currentWidget(), form->TabSheet2);
        QCOMPARE(bold(), QStringLiteral("01"));
    }

    // The library's version record, field by field, as zfktool prints it
    // (which escapes the description's line break), and the build's
    // version of the program.
    void informationShowsTheVersionsZfktoolPrints()
    {
        QProcess tool;
        tool.start(QStringLiteral(ZFKTOOL), {QStringLiteral("version")});
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList fields = QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(fields.size(), 4);
        Show();
        const QStringList shown = InformationLines();
        QVERIFY(shown.contains(QStringLiteral("Zefirak " ZFK_PROJECT_VERSION ".FREE")));
        for (const QString& field : fields)
            for (const QString& line : field.split(QStringLiteral("\\r\\n"))) {
                const bool found = std::any_of(shown.begin(), shown.end(), [&](const QString& s) {
                    return s == line || s.endsWith(QStringLiteral(": ") + line);
                });
                QVERIFY2(found, qPrintable(line));
            }
    }

    // The settings file and the three skin files, written by the program
    // the way it writes them, are named on the page where they are: beside
    // a build's copy, and in the user's data folder for an installed one.
    void informationNamesTheFilesWhereTheyAreWritten_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("build folder") << false;
        QTest::newRow("installed") << true;
    }
    void informationNamesTheFilesWhereTheyAreWritten()
    {
        QFETCH(bool, installed);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        paths.installed = installed;
        RefreshSkinFolder();
        QStringList written;
        const auto restore = qScopeGuard([&] {
            qunsetenv("XDG_DATA_HOME");
            paths.installed = false;
            RefreshSkinFolder();
            for (const QString& path : written)
                QFile::remove(path);
        });
        QVERIFY(WriteDefaultSkin().isEmpty());
        QVERIFY(WriteReg(platform::Paths().SettingsFile(), PrintSettings{}).isEmpty());
        QStringList inData;
        for (const QString& root : {paths.dir.path(), data.path()}) {
            QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                written << files.next();
                if (root == data.path())
                    inData << files.fileName();
            }
        }
        QCOMPARE(written.size(), 4);
        inData.sort();
        const QStringList skin{"default.bmp", "default.col", "zfkmain.rgn"};
        QCOMPARE(inData, installed ? skin : QStringList{});

        Show();
        const QString shown = InformationLines().join('\n');
        for (const QString& path : written)
            QVERIFY2(shown.contains(QDir::toNativeSeparators(path)), qPrintable(path));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
