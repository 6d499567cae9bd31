#include "print/TForm2.h"

#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SaveFile.h"
#include "print/Chart.h"
#include "print/PrintJob.h"
#include "print/SizeCheck.h"
#include "widgets/DialogParts.h"
#include "widgets/Look.h"
#include "widgets/PrintLists.h"
#include "widgets/Przycisk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSignalBlocker>

#include <algorithm>

const QString PrintSettingsQuestion = QStringLiteral("Ponieważ na różnych modelach drukarek ustawienia wydruku\r\n"
                                                     "są często różne od domyślnych, zalecane jest dokonywanie\r\n"
                                                     "wydruków testowych i manipulowanie ustawieniami\r\n"
                                                     "wydruku(skala dokumentu) aż do momentu odpowiedniego\r\n"
                                                     "ustawienia wszystkich parametrów.\r\n"
                                                     "\r\n"
                                                     "Czy dokonałeś właściwych ustawień");

namespace {

// The icon beside the buttons: a printer with a sheet showing the table's
// outline going in and a printed one coming out.
const char* const PrinterIcon[] = {
    "32 32 7 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "n c #000080",
    "s c #C0C0C0",
    "g c #808080",
    "l c #00FF00",
    "................................",
    "........kkkkkkkkkkkkkkkk........",
    "........kwwwwwwwwwwwwwwk........",
    "........kwnwwwwwwwwwwnwk........",
    "........kwnnwwwwwwnnnnwk........",
    "........kwnnwwwwwwnnnnwk........",
    "........kwnnnnnnnnnnnnwk........",
    "........kwnnnnnnnnnnnnwk........",
    "........kwwwwwwwwwwwwwwk........",
    "........kwwwnnnnnnnnwwwk........",
    "........kwwwwwwwwwwwwwwk........",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "...kwwwwwwwwwwwwwwwwwwwwwwwsk...",
    "..kwsssssssssssssssssssssssssk..",
    "..kwsssssssssssssssssssssssssk..",
    "..kwssssssssssssssssssssslsgsk..",
    "..kwsssssssssssssssssssssssgsk..",
    "..kwsssssssssssssssssssssssssk..",
    "..kwssgggggggggggggggggggggssk..",
    "..kwsgkkkkkkkkkkkkkkkkkkkkkwsk..",
    "..kwssssssssssssssssssssssssgk..",
    "..kgggggggggggggggggggggggggggk.",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "......kwwwwwwwwwwwwwwwwwk.......",
    ".....kwwnnwwwwwwwwwwnnnwk.......",
    ".....kwwnnnnnnnnnnnnnnnwk.......",
    "....kwwwwwwwwwwwwwwwwwwk........",
    "....kwwwnnnnnnnnnnnnwwwk........",
    "...kwwwwwwwwwwwwwwwwwwk.........",
    "...kkkkkkkkkkkkkkkkkkkk.........",
    "................................",
    "................................",
};

// The preview area: shows the picture RedrawPreview last drew, so that only
// the events that redraw it change it.
class TPreviewBox final : public QWidget {
public:
    TPreviewBox(QWidget* parent, const QImage& picture)
        : QWidget(parent),
          m_picture(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(rect(), m_picture);
    }

private:
    const QImage& m_picture;
};

const QString PrintLead = QStringLiteral("Nie udało się wydrukować układu: ");
const QString SaveLead = QStringLiteral("Nie udało się zapisać układu: ");

// The types the chart is saved as, in the order of ChartFileKind.
const QStringList ChartFileTypes = {QStringLiteral("PDF|*.pdf"), QStringLiteral("SVG|*.svg"),
                                    QStringLiteral("PNG|*.png")};

} // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    // Two rows taller than the controls need: the preview and save buttons
    // below them, the poster's controls beside them.
    SetUpDialog(*this, QStringLiteral("Wydruk Zefiraku"), QSize(338, 479));

    CreateControls();
    FormActivate();
    ApplySettings(TablePrintSettings{});
}

void TForm2::CreateControls()
{
    auto group = [this](const char* name, const QString& title, QRect r) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(r);
        return box;
    };
    auto watched = [this](auto* control) {
        control->installEventFilter(this);
        if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
            list->lineEdit()->installEventFilter(this);
        return control;
    };

    GroupBox2 = group("GroupBox2", QStringLiteral("Dane do umieszczenia na układzie"), {8, 16, 185, 145});
    Label3 = DialogLabel(GroupBox2, "Label3", QStringLiteral("Pierwsza pozycja"), {8, 16, 81, 13});
    Label4 = DialogLabel(GroupBox2, "Label4", QStringLiteral("Druga pozycja"), {8, 56, 68, 13});
    Label5 = DialogLabel(GroupBox2, "Label5", QStringLiteral("Trzecia pozycja"), {8, 96, 74, 13});
    GroupBox1 = group("GroupBox1", QStringLiteral("Skala dokumentu"), {8, 168, 185, 89});
    Label1 = DialogLabel(GroupBox1, "Label1", QStringLiteral("Roz. cz. symbolu"), {8, 40, 80, 13});
    Label2 = DialogLabel(GroupBox1, "Label2", QStringLiteral("Roz. cz. danych"), {96, 40, 77, 13});
    GroupBox3 = group("GroupBox3", QStringLiteral("Przykład"), {200, 24, 129, 177});
    GroupBox4 = group("GroupBox4", QStringLiteral("Czcionka wydruku"), {200, 200, 129, 57});
    GroupBox5 = group("GroupBox5", QStringLiteral("Dodatkowe pole informacyjne"), {8, 264, 217, 161});
    Label6 = DialogLabel(GroupBox5, "Label6", QStringLiteral("Roz. cz..:"), {8, 20, 45, 13});
    Label7 =
        DialogLabel(GroupBox5, "Label7", QStringLiteral("Treść informacji w polu informacyjnym:"), {8, 40, 180, 13});

    Dane1 = watched(new ChoiceList(this, "Dane1", {16, 48, 169, 21}));
    dane2 = watched(new ChoiceList(this, "dane2", {16, 88, 169, 21}));
    dane3 = watched(new ChoiceList(this, "dane3", {16, 128, 169, 21}));
    Scale = watched(new SizeList(this, "Scale", {16, 184, 169, 21}, MaxScale));
    f1 = watched(new SizeList(this, "f1", {16, 224, 81, 21}, MaxFontSize));
    f2 = watched(new SizeList(this, "f2", {104, 224, 81, 21}, MaxFontSize));
    f3 = watched(new SizeList(GroupBox5, "f3", {56, 16, 81, 21}, MaxFontSize));
    // Symbol fonts stay in: a chart may be printed in any installed face.
    FontComboBox1 = watched(new FontList(GroupBox4, "FontComboBox1", {8, 24, 113, 20}, FontList::Symbols::Listed));

    QStringList items;
    for (const char* row : DataItemRows)
        items.append(QString::fromUtf8(row));
    for (ChoiceList* c : {Dane1, dane2, dane3}) {
        c->addItems(items);
        c->ChooseNone();
    }

    // The preview follows the positions and the font, nothing else.
    for (ChoiceList* c : {Dane1, dane2, dane3}) {
        connect(c, &QComboBox::activated, this, &TForm2::CloseClick);
        connect(c->lineEdit(), &QLineEdit::textEdited, this, &TForm2::CloseClick);
    }
    connect(FontComboBox1, &QComboBox::activated, this, &TForm2::CloseClick);

    PBox = new TPreviewBox(GroupBox3, m_preview);
    PBox->setObjectName(QStringLiteral("PBox"));
    PBox->setGeometry(8, 16, 113, 153);

    bold1 = new QCheckBox(QStringLiteral("pogrub."), GroupBox5);
    bold1->setObjectName(QStringLiteral("bold1"));
    bold1->setGeometry(144, 18, 65, 17);
    watched(bold1);

    dodatkowe = new QPlainTextEdit(GroupBox5);
    dodatkowe->setObjectName(QStringLiteral("dodatkowe"));
    dodatkowe->setGeometry(8, 56, 201, 97);
    dodatkowe->setLineWrapMode(QPlainTextEdit::NoWrap); // one memo line, one chart line
    watched(dodatkowe);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(264, 264, 41, 41);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap::fromImage(QImage(PrinterIcon)));

    auto button = [this](const char* name, const QString& text, QRect r, void (TForm2::*click)()) {
        return DialogButton(this, name, text, r, [this, click] { (this->*click)(); });
    };
    Przycisk5 =
        button("Przycisk5", QStringLiteral("Ustawienia drukarki"), {230, 312, 104, 21}, &TForm2::Przycisk5Click);
    Przycisk4 = button("Przycisk4", QStringLiteral("Wydruk testowy"), {230, 336, 105, 21}, &TForm2::Przycisk4Click);
    Przycisk1 = button("Przycisk1", QStringLiteral("Wydrukuj układ"), {230, 360, 105, 21}, &TForm2::Przycisk1Click);
    Przycisk2 = button("Przycisk2", QStringLiteral("Domyślne paramtery"), {230, 384, 105, 21}, &TForm2::Przycisk2Click);
    Przycisk3 = button("Przycisk3", QStringLiteral("Zakończ"), {230, 408, 105, 21}, &TForm2::Przycisk3Click);
    Przycisk6 = button("Przycisk6", QStringLiteral("Podgląd wydruku"), {230, 432, 105, 21}, &TForm2::Przycisk6Click);
    Przycisk7 = button("Przycisk7", QStringLiteral("Zapisz jako obraz…"), {230, 456, 105, 21}, &TForm2::Przycisk7Click);

    CreatePosterControls();

    // Tab leaves the information field: its lines are the chart's, which
    // have no use for a tab character.
    dodatkowe->setTabChangesFocus(true);
    // The settings as they are read, then the buttons top to bottom.
    ChainTabStops({Dane1, dane2, dane3, Scale, f1, f2, FontComboBox1, f3, bold1, dodatkowe, CheckBox1, ComboBox1,
                   Przycisk5, Przycisk4, Przycisk1, Przycisk2, Przycisk3, Przycisk6, Przycisk7});
    NameByLabel(Label3, Dane1);
    NameByLabel(Label4, dane2);
    NameByLabel(Label5, dane3);
    NameByLabel(Label1, f1);
    NameByLabel(Label2, f2);
    NameByLabel(Label6, f3);
    NameByLabel(Label7, dodatkowe);
    // These two have their group's title for a label.
    NameControl(Scale, GroupBox1->title());
    NameControl(FontComboBox1, GroupBox4->title());
    NameControl(Przycisk7, QStringLiteral("Zapisz układ jako plik PDF, SVG lub PNG"));

    m_preview = QImage(PBox->size(), QImage::Format_RGB32);
    m_preview.fill(palette().color(QPalette::Window));
}

void TForm2::CreatePosterControls()
{
    CheckBox1 = new QCheckBox(QStringLiteral("Plakat z arkuszy"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 431, 113, 21);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(128, 431, 89, 21);
    ComboBox1->setEnabled(false);
    for (QWidget* control : {static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(ComboBox1)})
        control->installEventFilter(this);
    NameControl(CheckBox1, CheckBox1->text());
    NameControl(ComboBox1, QStringLiteral("Podział plakatu: kolumny × wiersze"));

    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        ComboBox1->setEnabled(on);
        RefreshPosterGrids();
    });
    connect(ComboBox1, &QComboBox::activated, this, [this] { m_posterGridPicked = true; });
    connect(Scale, &QComboBox::currentIndexChanged, this, &TForm2::RefreshPosterGrids);
}

void TForm2::RefreshPosterGrids()
{
    // Unticked, the list waits: the printer's paper may take the print
    // server's answer to learn.
    if (!CheckBox1->isChecked() || Scale->Value() <= 0)
        return;
    const QSize chart = ChartExtent(Scale->Value());
    const QSize sheet = PosterSheetSize(platform::Printers().Printer().pageLayout());
    const std::optional<PosterGrid> picked = m_posterGridPicked ? PosterGridChosen() : std::nullopt;
    const std::optional<PosterGrid> smallest = SmallestPosterGrid(chart, sheet);

    // The smallest grid and a few larger ones, fewest sheets first; the
    // user's own pick stays while it holds.
    std::vector<PosterGrid> grids;
    if (smallest) {
        for (int c = smallest->columns; c <= std::min(smallest->columns + 2, PosterMaxSide); ++c)
            for (int r = smallest->rows; r <= std::min(smallest->rows + 2, PosterMaxSide); ++r)
                grids.push_back({c, r});
    }
    const bool keep = picked && PosterGridHolds(chart, sheet, *picked);
    if (keep && std::find(grids.begin(), grids.end(), *picked) == grids.end())
        grids.push_back(*picked);
    std::stable_sort(grids.begin(), grids.end(),
                     [](PosterGrid a, PosterGrid b) { return a.columns * a.rows < b.columns * b.rows; });

    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    for (const PosterGrid g : grids)
        ComboBox1->addItem(PosterGridText(g), QSize(g.columns, g.rows));
    const auto chosen = keep ? std::find(grids.begin(), grids.end(), *picked) : grids.begin();
    ComboBox1->setCurrentIndex(grids.empty() ? -1 : int(chosen - grids.begin()));
    m_posterGridPicked = keep;
}

std::optional<PosterGrid> TForm2::PosterGridChosen() const
{
    if (!CheckBox1->isChecked() || ComboBox1->currentIndex() < 0)
        return std::nullopt;
    const QSize grid = ComboBox1->currentData().toSize();
    return PosterGrid{grid.width(), grid.height()};
}

bool TForm2::PosterFitsPaper(QPrinter& printer)
{
    if (!CheckBox1->isChecked())
        return true;
    const int e = Scale->Value();
    const std::optional<PosterGrid> grid = PosterGridChosen();
    if (grid && PosterGridHolds(ChartExtent(e), PosterSheetSize(printer.pageLayout()), *grid))
        return true;
    ShowNotice(grid ? QStringLiteral("Układ w skali %1 nie mieści się na plakacie %2 z arkuszy wybranego "
                                     "papieru.\r\nWybierz inny podział plakatu.")
                          .arg(e)
                          .arg(PosterGridText(*grid))
                    : QStringLiteral("Układ w skali %1 nie mieści się na żadnym plakacie z arkuszy wybranego "
                                     "papieru.")
                          .arg(e),
               nkError);
    RefreshPosterGrids();
    return false;
}

void TForm2::FormActivate()
{
    Scale->SetValue(11);
    f1->SetValue(16);
    f2->SetValue(8);
    // The printer's fonts are the system's; the list is filled when first
    // needed, as enumerating every installed font would slow the start.
}

void TForm2::ApplySettings(const TablePrintSettings& settings)
{
    FontComboBox1->SetName(settings.fontName);
    f1->SetValue(settings.symbolSize);
    f2->SetValue(settings.dataSize);
    Scale->SetValue(settings.scale);
    f3->SetValue(settings.fieldSize);
    bold1->setChecked(settings.fieldBold);
    m_fieldGiven = settings.fieldLines;
    dodatkowe->setPlainText(settings.fieldLines.join(QLatin1Char('\n')));
}

QStringList TForm2::FieldLines() const
{
    // No lines and one empty line look alike in the field, and so do the
    // lines given and the text they make; the lines given come back as given.
    const QString text = dodatkowe->toPlainText();
    if (text == m_fieldGiven.join(QLatin1Char('\n')))
        return m_fieldGiven;
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

TablePrintSettings TForm2::Settings() const
{
    TablePrintSettings settings;
    settings.fontName = FontComboBox1->Name();
    settings.symbolSize = f1->Value();
    settings.dataSize = f2->Value();
    settings.scale = Scale->Value();
    settings.fieldSize = f3->Value();
    settings.fieldBold = bold1->isChecked();
    settings.fieldLines = FieldLines();
    return settings;
}

ChartInputs TForm2::ChartInputsFromControls()
{
    FontComboBox1->Fill();
    ChartInputs in;
    in.fontName = FontComboBox1->Name();
    const std::pair<const SizeList*, int*> sizes[] = {{f1, &in.symbolSize}, {f2, &in.dataSize}, {f3, &in.infoSize}};
    for (auto [list, size] : sizes)
        if (list->Value() > 0)
            *size = list->Value();
    in.infoBold = bold1->isChecked();
    in.items = {Dane1->currentIndex(), dane2->currentIndex(), dane3->currentIndex()};
    in.infoLines = FieldLines();
    return in;
}

void TForm2::CloseClick() { RedrawPreview(); }

void TForm2::RedrawPreview()
{
    QImage canvas(PBox->size(), QImage::Format_RGB32);
    // Point sizes convert at the screen's resolution, as on the box itself.
    SetImageDpi(canvas, PBox->logicalDpiX());
    canvas.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        DrawChart(painter, 3, cmSample, ChartInputsFromControls());
    }
    m_preview = canvas;
    PBox->update();
    emit PreviewDrawn();
}

void TForm2::Przycisk1Click() { PrintChart(cmFull); }

void TForm2::Przycisk4Click() { PrintChart(cmTest); }

bool TForm2::CheckTypedSizes()
{
    for (SizeList* c : {f1, f2, f3})
        if (c->Value() == 0 && !CheckSizeCombo(*c, 1, MaxFontSize))
            return false;
    return Scale->Value() > 0 || CheckSizeCombo(*Scale, 1, MaxScale);
}

void TForm2::EndOpenJob()
{
    if (m_job.isActive())
        m_job.end();
}

void TForm2::PrintChart(ChartMode mode)
{
    // The job runs inside this handler; a click that reaches it meanwhile
    // (from a nested event loop) must not start a second one.
    if (m_printing)
        return;
    if (mode == cmFull && Warn1) {
        if (!AskYesNo(PrintSettingsQuestion))
            return;
        Warn1 = false;
    }
    if (!CheckTypedSizes())
        return;
    EndOpenJob();
    RefreshPosterGrids();
    PrinterService& printers = platform::Printers();
    if (!printers.ExecPrintDialog(this))
        return;

    TPrzycisk* button = mode == cmFull ? Przycisk1 : Przycisk4;
    const TRunningAction running(m_printing, *button);
    QPrinter& printer = printers.Printer();
    printer.setPageOrientation(QPageLayout::Landscape);
    UsePageResolution(printer);
    // The print dialog may have changed the paper.
    if (mode == cmFull && !PosterFitsPaper(printer))
        return;
    QString why;
    if (!m_job.begin(&printer)) {
        button->SetAktywny(true);
        ShowNotice(JobRefused(printer, PrintLead), nkError);
        return;
    }
    const int e = Scale->Value();
    const ChartInputs inputs = ChartInputsFromControls();
    bool drawn = true;
    if (mode == cmFull)
        drawn = DrawChartPages(m_job, printer, e, inputs);
    else
        DrawChart(m_job, e, mode, inputs);
    const bool ended = m_job.end();
    if (!JobPrintedWhole(printer, drawn, ended, PrintLead, why)) {
        button->SetAktywny(true);
        ShowNotice(why, nkError);
    }
    // The toolkit fixes a job's title when the job begins and refuses a new
    // one while it runs, so the title names the jobs that follow.
    if (mode == cmFull)
        printer.setDocName(QStringLiteral("Zefirak"));
}

void TForm2::Przycisk5Click()
{
    platform::Printers().ExecPageSetupDialog(this);
    RefreshPosterGrids();
}

void TForm2::Przycisk6Click()
{
    // The whole chart (or the poster's sheets) on the chosen paper at the
    // chosen scale, before any paper is spent.
    if (m_printing || !CheckTypedSizes())
        return;
    PrinterService& printers = platform::Printers();
    printers.Printer().setPageOrientation(QPageLayout::Landscape);
    RefreshPosterGrids();
    if (!PosterFitsPaper(printers.Printer()))
        return;
    const ChartInputs inputs = ChartInputsFromControls();
    const int e = Scale->Value();
    const bool print = printers.ExecPreviewDialog(this, [&](QPrinter& printer) {
        UsePageResolution(printer);
        QPainter canvas(&printer);
        DrawChartPages(canvas, printer, e, inputs);
    });
    if (print)
        Przycisk1Click();
}

bool TForm2::DrawChartPages(QPainter& canvas, QPagedPaintDevice& device, int e, const ChartInputs& inputs)
{
    if (!CheckBox1->isChecked()) {
        DrawChart(canvas, e, cmFull, inputs);
        return true;
    }
    // A grid too small would spill the parts over the marks and the edges.
    const std::optional<PosterGrid> grid = PosterGridChosen();
    return grid && PosterGridHolds(ChartExtent(e), QSize(device.width(), device.height()), *grid)
           && DrawPoster(canvas, device, e, inputs, *grid);
}

QByteArray TForm2::ChartFileBytes(ChartFileKind kind)
{
    const ChartInputs inputs = ChartInputsFromControls();
    const int e = Scale->Value();
    if (kind == ChartFileKind::Svg)
        return ChartSvg(e, cmFull, inputs);
    if (kind == ChartFileKind::Png)
        return ChartPng(e, cmFull, inputs);
    // As printed: the printer's paper and margins, turned to landscape; a
    // poster on the grid that holds the chart on them.
    RefreshPosterGrids();
    QPageLayout layout = platform::Printers().Printer().pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    const QString name = QStringLiteral("Zefirak");
    return PdfInMemory(name, name, [&](QPdfWriter& writer) {
        writer.setPageLayout(layout);
        QPainter canvas;
        if (!canvas.begin(&writer))
            return false;
        const bool drawn = DrawChartPages(canvas, writer, e, inputs);
        return canvas.end() && drawn;
    });
}

void TForm2::Przycisk7Click()
{
    // The file dialog and the drawing run inside this handler; a click that
    // reaches it meanwhile (from a nested event loop) starts nothing.
    if (m_printing || m_saving)
        return;
    const TRunningAction running(m_saving, *Przycisk7);
    if (!CheckTypedSizes())
        return;
    int type = static_cast<int>(m_savedKind);
    const QString ending = ChartFileTypes[type].section(QLatin1Char('.'), -1);
    const QString path = platform::FileDialogs().GetSaveFileNameOfType(
        this, QStringLiteral("Zapisz układ jako obraz"), QStringLiteral("Zefirak.") + ending, ChartFileTypes, type);
    if (path.isEmpty())
        return;
    // The name's ending tells the kind; a name without one of the offered
    // endings is of the type chosen in the dialog.
    ChartFileKind kind = ChartFileKindOf(path);
    if (kind == ChartFileKind::Unknown || QFileInfo(path).suffix().isEmpty())
        kind = static_cast<ChartFileKind>(std::clamp(type, 0, int(ChartFileTypes.size()) - 1));
    m_savedKind = kind;
    const QByteArray bytes = ChartFileBytes(kind);
    const QString why = bytes.isEmpty() ? QStringLiteral("nie udało się narysować układu") : SaveWhole(path, bytes);
    if (!why.isEmpty())
        ShowNotice(SaveLead + QStringLiteral("nie można zapisać pliku\r\n") + QDir::toNativeSeparators(path)
                       + QStringLiteral("\r\n(") + why + QLatin1Char(')'),
                   nkError);
}

void TForm2::Przycisk2Click()
{
    FontComboBox1->SetName(DesignFont());
    f1->SetValue(15);
    f2->SetValue(7);
    Scale->SetValue(10);
    f3->SetValue(8);
    bold1->setChecked(true);
    for (ChoiceList* c : {Dane1, dane2, dane3})
        c->ChooseNone();
    CloseClick();
}

void TForm2::Przycisk3Click() { close(); }

bool TForm2::FormKeyPress(int key)
{
    if (key != Qt::Key_Escape)
        return false;
    close();
    return true;
}

void TForm2::FormClose()
{
    // Every typed value is checked, each with its own box; the dialog closes
    // whatever they say.
    for (SizeList* c : {f1, f2})
        if (c->Value() == 0)
            CheckSizeCombo(*c, 1, MaxFontSize);
    if (Scale->Value() == 0)
        CheckSizeCombo(*Scale, 1, MaxScale);
}

void TForm2::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CloseClick();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (FormKeyPress(event->key()))
        return;
    QDialog::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}
