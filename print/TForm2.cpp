#include "print/TForm2.h"

#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "print/Chart.h"
#include "print/PrintJob.h"
#include "widgets/Colors.h"
#include "widgets/DialogParts.h"
#include "widgets/Przycisk.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>

#include <array>

const QString PrintSettingsQuestion = QStringLiteral("Ponieważ na różnych modelach drukarek ustawienia wydruku\r\n"
                                                     "są często różne od domyślnych, zalecane jest dokonywanie\r\n"
                                                     "wydruków testowych i manipulowanie ustawieniami\r\n"
                                                     "wydruku(skala dokumentu) aż do momentu odpowiedniego\r\n"
                                                     "ustawienia wszystkich parametrów.\r\n"
                                                     "\r\n"
                                                     "Czy dokonałeś właściwych ustawień");

namespace {

const QString ChooseFromList = QStringLiteral("--Wybierz z listy--");

// The icon beside the buttons: a printer with a sheet showing the table's
// outline going in and a printed one coming out. '.' background, 'k' black,
// 'w' white, 'n' navy, 's' silver, 'g' grey, 'l' lime.
constexpr std::array<const char*, 32> PrinterIconMap = {
    "................................", "........kkkkkkkkkkkkkkkk........", "........kwwwwwwwwwwwwwwk........",
    "........kwnwwwwwwwwwwnwk........", "........kwnnwwwwwwnnnnwk........", "........kwnnwwwwwwnnnnwk........",
    "........kwnnnnnnnnnnnnwk........", "........kwnnnnnnnnnnnnwk........", "........kwwwwwwwwwwwwwwk........",
    "........kwwwnnnnnnnnwwwk........", "........kwwwwwwwwwwwwwwk........", "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "...kwwwwwwwwwwwwwwwwwwwwwwwsk...", "..kwsssssssssssssssssssssssssk..", "..kwsssssssssssssssssssssssssk..",
    "..kwssssssssssssssssssssslsgsk..", "..kwsssssssssssssssssssssssgsk..", "..kwsssssssssssssssssssssssssk..",
    "..kwssgggggggggggggggggggggssk..", "..kwsgkkkkkkkkkkkkkkkkkkkkkwsk..", "..kwssssssssssssssssssssssssgk..",
    "..kgggggggggggggggggggggggggggk.", "..kkkkkkkkkkkkkkkkkkkkkkkkkkkkk.", "......kwwwwwwwwwwwwwwwwwk.......",
    ".....kwwnnwwwwwwwwwwnnnwk.......", ".....kwwnnnnnnnnnnnnnnnwk.......", "....kwwwwwwwwwwwwwwwwwwk........",
    "....kwwwnnnnnnnnnnnnwwwk........", "...kwwwwwwwwwwwwwwwwwwk.........", "...kkkkkkkkkkkkkkkkkkkk.........",
    "................................", "................................",
};

QImage PrinterIcon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            QRgb c;
            switch (PrinterIconMap[y][x]) {
            case 'k':
                c = qRgb(0, 0, 0);
                break;
            case 'w':
                c = qRgb(255, 255, 255);
                break;
            case 'n':
                c = qRgb(0, 0, 128);
                break;
            case 's':
                c = qRgb(192, 192, 192);
                break;
            case 'g':
                c = qRgb(128, 128, 128);
                break;
            case 'l':
                c = qRgb(0, 255, 0);
                break;
            default:
                c = qRgba(0, 0, 0, 0);
                break;
            }
            img.setPixel(x, y, c);
        }
    }
    return img;
}

// The preview area: shows the picture CloseClick last drew, so that only the
// events that call CloseClick change it.
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

// "hi" down to "01".
QStringList SizeRows(int hi)
{
    QStringList rows;
    for (int v = hi; v >= 1; --v)
        rows.append(QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')));
    return rows;
}

// A list's value: the number its selected row starts with, or fallback
// when no row is selected.
int ListValue(const QComboBox& list, int fallback)
{
    if (list.currentIndex() < 0)
        return fallback;
    return list.itemText(list.currentIndex()).left(2).toInt();
}

void ShowUnselected(QComboBox& list)
{
    list.setCurrentIndex(-1);
    if (list.isEditable())
        list.setEditText(ChooseFromList);
}

const QString PrintLead = QStringLiteral("Nie udało się wydrukować układu: ");

} // namespace

bool IsDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool CheckSizeCombo(QComboBox& list, int lo, int hi)
{
    const QString text = list.currentText();
    if (!IsDigits(text)) {
        ShowNotice(QStringLiteral("Nie wybrano poprawnego rozmiaru czcionki!"), nkError);
        return false;
    }
    bool ok = false;
    const int v = text.toInt(&ok); // too many digits for an int: out of range
    if (!ok || v < lo || v > hi) {
        ShowNotice(QStringLiteral("Podano rozmiar czcionki z poza dopuszczalnego zakresu!"), nkError);
        return false;
    }
    list.setCurrentIndex(hi - v);
    return true;
}

TForm2::TForm2(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    SetUpDialog(*this, QStringLiteral("Wydruk Zefiraku"), QSize(338, 431));

    CreateControls();
    FormActivate();
    // Until the settings store fills the controls they hold its defaults.
    SetStartDefaults();
}

void TForm2::CreateControls()
{
    auto group = [this](const char* name, const QString& title, QRect r) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(r);
        return box;
    };
    // The lists get their text fields when the dialog is first shown
    // (MakeListsEditable): a text field costs more than the rest of the
    // dialog, and start-up would pay for seven of them.
    auto list = [this](QWidget* parent, const char* name, QRect r, bool /*editable*/) {
        auto* c = new QComboBox(parent);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(r);
        c->setMaxVisibleItems(12);
        c->installEventFilter(this);
        return c;
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

    Dane1 = list(this, "Dane1", {16, 48, 169, 21}, true);
    dane2 = list(this, "dane2", {16, 88, 169, 21}, true);
    dane3 = list(this, "dane3", {16, 128, 169, 21}, true);
    Scale = list(this, "Scale", {16, 184, 169, 21}, true);
    f1 = list(this, "f1", {16, 224, 81, 21}, true);
    f2 = list(this, "f2", {104, 224, 81, 21}, true);
    f3 = list(GroupBox5, "f3", {56, 16, 81, 21}, true);
    FontComboBox1 = list(GroupBox4, "FontComboBox1", {8, 24, 113, 20}, false);

    QStringList items;
    for (const char* row : DataItemRows)
        items.append(QString::fromUtf8(row));
    for (QComboBox* c : {Dane1, dane2, dane3})
        c->addItems(items);
    Scale->addItems(SizeRows(ScaleRowCount));
    for (QComboBox* c : {f1, f2, f3})
        c->addItems(SizeRows(SizeRowCount));
    for (QComboBox* c : {Dane1, dane2, dane3, Scale, f1, f2, f3})
        ShowUnselected(*c);

    // The preview follows the positions and the font, nothing else.
    for (QComboBox* c : {Dane1, dane2, dane3})
        connect(c, &QComboBox::activated, this, &TForm2::CloseClick);
    connect(FontComboBox1, &QComboBox::activated, this, &TForm2::CloseClick);

    PBox = new TPreviewBox(GroupBox3, m_preview);
    PBox->setObjectName(QStringLiteral("PBox"));
    PBox->setGeometry(8, 16, 113, 153);

    bold1 = new QCheckBox(QStringLiteral("pogrub."), GroupBox5);
    bold1->setObjectName(QStringLiteral("bold1"));
    bold1->setGeometry(144, 18, 65, 17);
    bold1->installEventFilter(this);

    dodatkowe = new QPlainTextEdit(GroupBox5);
    dodatkowe->setObjectName(QStringLiteral("dodatkowe"));
    dodatkowe->setGeometry(8, 56, 201, 97);
    dodatkowe->setLineWrapMode(QPlainTextEdit::NoWrap); // one memo line, one chart line
    dodatkowe->installEventFilter(this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(264, 264, 41, 41);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap::fromImage(PrinterIcon()));

    auto button = [this](const char* name, const QString& text, QRect r, void (TForm2::*click)()) {
        return DialogButton(this, name, text, r, [this, click] { (this->*click)(); });
    };
    Przycisk5 =
        button("Przycisk5", QStringLiteral("Ustawienia drukarki"), {230, 312, 104, 21}, &TForm2::Przycisk5Click);
    Przycisk4 = button("Przycisk4", QStringLiteral("Wydruk testowy"), {230, 336, 105, 21}, &TForm2::Przycisk4Click);
    Przycisk1 = button("Przycisk1", QStringLiteral("Wydrukuj układ"), {230, 360, 105, 21}, &TForm2::Przycisk1Click);
    Przycisk2 = button("Przycisk2", QStringLiteral("Domyślne paramtery"), {230, 384, 105, 21}, &TForm2::Przycisk2Click);
    Przycisk3 = button("Przycisk3", QStringLiteral("Zakończ"), {230, 408, 105, 21}, &TForm2::Przycisk3Click);

    setTabOrder(Dane1, dane2);
    setTabOrder(dane2, dane3);
    setTabOrder(dane3, Scale);
    setTabOrder(Scale, f1);
    setTabOrder(f1, f2);
    setTabOrder(f2, FontComboBox1);
    setTabOrder(FontComboBox1, f3);
    setTabOrder(f3, bold1);
    setTabOrder(bold1, dodatkowe);

    m_preview = QImage(PBox->size(), QImage::Format_RGB32);
    m_preview.fill(palette().color(QPalette::Window));
}

void TForm2::FormActivate()
{
    Scale->setCurrentIndex(9);
    f1->setCurrentIndex(9);
    f2->setCurrentIndex(17);
    // The printer's fonts are the system's; the list is filled when first
    // needed, as enumerating every installed font would slow the start.
}

void TForm2::SetStartDefaults()
{
    // Finding the design face walks the font list; at start-up the stored
    // settings replace it before anyone reads it, so it is looked up only
    // when read.
    if (m_fontsFilled)
        SetFontName(DesignFont());
    else
        m_designFontPending = true;
    f1->setCurrentIndex(9);
    f2->setCurrentIndex(18);
    Scale->setCurrentIndex(10);
    f3->setCurrentIndex(17);
    bold1->setChecked(true);
    SetInfoLines(DefaultInfoLines());
}

QString TForm2::FontName() const
{
    if (!m_fontsFilled)
        return PendingFont();
    return FontComboBox1->currentIndex() < 0 ? QString() : FontComboBox1->currentText();
}

QString TForm2::PendingFont() const { return m_designFontPending ? DesignFont() : m_pendingFont; }

void TForm2::SetFontName(const QString& name)
{
    m_designFontPending = false;
    if (!m_fontsFilled) {
        m_pendingFont = name;
        return;
    }
    FontComboBox1->setCurrentIndex(name.isEmpty() ? -1 : FontComboBox1->findText(name, Qt::MatchFixedString));
}

void TForm2::EnsureFontList()
{
    if (m_fontsFilled)
        return;
    m_fontsFilled = true;
    // Symbol fonts stay in: a chart may be printed in any installed face.
    FontComboBox1->addItems(QFontDatabase::families());
    SetFontName(PendingFont());
    m_pendingFont.clear();
}

namespace {

QStringList LinesOfField(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty()) // a final line break ends the last line, it starts none
        lines.removeLast();
    return lines;
}

} // namespace

QStringList TForm2::InfoLines() const { return LinesOfField(dodatkowe->toPlainText()); }

QStringList TForm2::FieldKeeps(const QStringList& lines) { return LinesOfField(lines.join(QLatin1Char('\n'))); }

void TForm2::SetInfoLines(const QStringList& lines) { dodatkowe->setPlainText(lines.join(QLatin1Char('\n'))); }

ChartInputs TForm2::ChartInputsFromControls()
{
    EnsureFontList();
    ChartInputs in;
    in.fontName = FontName();
    in.symbolSize = ListValue(*f1, in.symbolSize);
    in.dataSize = ListValue(*f2, in.dataSize);
    in.infoSize = ListValue(*f3, in.infoSize);
    in.infoBold = bold1->isChecked();
    in.items = {Dane1->currentIndex(), dane2->currentIndex(), dane3->currentIndex()};
    in.infoLines = InfoLines();
    return in;
}

void TForm2::CloseClick()
{
    QImage canvas(PBox->size(), QImage::Format_RGB32);
    // Point sizes convert at the screen's resolution, as on the box itself.
    const int dpm = qRound(PBox->logicalDpiX() / 0.0254);
    canvas.setDotsPerMeterX(dpm);
    canvas.setDotsPerMeterY(dpm);
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

bool TForm2::CheckUnselectedSizes()
{
    for (QComboBox* c : {f1, f2, f3})
        if (c->currentIndex() < 0 && !CheckSizeCombo(*c, 1, 25))
            return false;
    return Scale->currentIndex() >= 0 || CheckSizeCombo(*Scale, 1, 20);
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
    if (!CheckUnselectedSizes())
        return;
    EndOpenJob();
    PrinterService& printers = platform::Printers();
    if (!printers.ExecPrintDialog(this))
        return;

    TPrzycisk* button = mode == cmFull ? Przycisk1 : Przycisk4;
    m_printing = true;
    button->SetAktywny(false);
    const auto restore = qScopeGuard([&] {
        m_printing = false;
        button->SetAktywny(true);
    });
    QPrinter& printer = printers.Printer();
    printer.setPageOrientation(QPageLayout::Landscape);
    QString why;
    if (!m_job.begin(&printer)) {
        button->SetAktywny(true);
        ShowNotice(JobRefused(printer, PrintLead), nkError);
        return;
    }
    DrawChart(m_job, ListValue(*Scale, 10), mode, ChartInputsFromControls());
    const bool ended = m_job.end();
    if (!JobPrintedWhole(printer, true, ended, PrintLead, why)) {
        button->SetAktywny(true);
        ShowNotice(why, nkError);
    }
    // The toolkit fixes a job's title when the job begins and refuses a new
    // one while it runs, so the title names the jobs that follow.
    if (mode == cmFull)
        printer.setDocName(QStringLiteral("Zefirak"));
}

void TForm2::Przycisk5Click() { platform::Printers().ExecPageSetupDialog(this); }

void TForm2::Przycisk2Click()
{
    SetFontName(DesignFont());
    f1->setCurrentIndex(10);
    f2->setCurrentIndex(18);
    Scale->setCurrentIndex(10);
    f3->setCurrentIndex(17);
    bold1->setChecked(true);
    for (QComboBox* c : {Dane1, dane2, dane3})
        ShowUnselected(*c);
    CloseClick();
}

void TForm2::Przycisk3Click() { close(); }

bool TForm2::FormKeyPress(int key)
{
    if (key != 27)
        return false;
    close();
    return true;
}

void TForm2::FormClose()
{
    // Every typed value is checked, each with its own box; the dialog closes
    // whatever they say.
    for (QComboBox* c : {f1, f2})
        if (c->currentIndex() < 0)
            CheckSizeCombo(*c, 1, 25);
    if (Scale->currentIndex() < 0)
        CheckSizeCombo(*Scale, 1, 20);
}

void TForm2::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm2::MakeListsEditable()
{
    if (m_listsEditable)
        return;
    m_listsEditable = true;
    for (QComboBox* c : {Dane1, dane2, dane3, Scale, f1, f2, f3}) {
        const int row = c->currentIndex();
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr); // a typed "1" must stay "1", not become "19"
        c->lineEdit()->installEventFilter(this);
        if (row < 0)
            ShowUnselected(*c);
        // Typing leaves a list with no selected row; the typed value is
        // checked before it is used.
        connect(c->lineEdit(), &QLineEdit::textEdited, c, [c](const QString& text) {
            if (c->currentIndex() < 0)
                return;
            const int cursor = c->lineEdit()->cursorPosition();
            c->setCurrentIndex(-1);
            c->setEditText(text);
            c->lineEdit()->setCursorPosition(cursor);
        });
    }
    for (QComboBox* c : {Dane1, dane2, dane3})
        connect(c->lineEdit(), &QLineEdit::textEdited, this, &TForm2::CloseClick);
}

void TForm2::showEvent(QShowEvent* event)
{
    MakeListsEditable();
    QDialog::showEvent(event);
    EnsureFontList();
    CloseClick();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && FormKeyPress(27))
        return;
    QDialog::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        return FormKeyPress(27);
    return QDialog::eventFilter(watched, event);
}
