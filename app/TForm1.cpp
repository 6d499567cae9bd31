#include "app/TForm1.h"

#include "app/DataPanel.h"
#include "app/Export.h"
#include "app/Forms.h"
#include "app/Pictures.h"
#include "app/Search.h"
#include "app/SearchBox.h"
#include "app/TTlo.h"
#include "app/TableGeometry.h"
#include "app/TableLoading.h"
#include "app/Toolbar.h"
#include "data/ElementFacts.h"
#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "print/TForm2.h"
#include "print/TForm3.h"
#include "settings/SettingsStore.h"
#include "settings/Skin.h"
#include "settings/TForm4.h"
#include "widgets/DialogParts.h"
#include "widgets/Look.h"
#include "widgets/WindowShape.h"
#include "widgets/ZfkButton.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>

std::array<TZfkButton97*, ElementCount> ElementButtons{};

namespace {

const QString ApplicationTitle = QStringLiteral("  Zefirak");
const QString ExitQuestion = QStringLiteral("Czy rzeczywiście chcesz zakończyć program");
const QString NothingSelected = QStringLiteral("Nie wybrano pierwiastka!");

// The element buttons' component names: the symbols, except In, As, Ds and
// Rg. Their click and pointing handlers (HClick and HMouseEnter ...
// UuuClick and UuuMouseEnter) differ only in the atomic number they pass on,
// so they are ElementClick(z) and ElementMouseEnter(z).
const char* const ComponentNames[ElementCount] = {
    "H",   "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si",  "P",   "S",
    "Cl",  "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",  "Ga",  "Ge",
    "Ars", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd",  "Ag",  "Cd",
    "Ind", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd", "Pm", "Sm",  "Eu",  "Gd",
    "Tb",  "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re", "Os", "Ir", "Pt",  "Au",  "Hg",
    "Tl",  "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th", "Pa", "U",  "Np", "Pu",  "Am",  "Cm",
    "Bk",  "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "Uun", "Uuu",
};

// Room left free on each side of a compact toolbar caption, for the
// button's frame and a little air.
constexpr int CompactCaptionMargin = 4;

QLabel* Caption(QWidget* parent, const char* name, const QString& text, int x, int y, TColor colour,
                int pixelHeight = 11)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(SansFont(pixelHeight));
    SetWindowTextColour(label, colour);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* LegendLabel(QWidget* parent, const char* name, const QString& text, int x, int y, TColor background,
                    TColor colour, const QFont& font)
{
    QLabel* label = Caption(parent, name, text, x, y, colour);
    label->setFont(font);
    label->adjustSize();
    label->setAutoFillBackground(true);
    SetFaceColour(label, background);
    label->setFixedHeight(16);
    return label;
}

QString AccessibleElementName(int z)
{
    const TShortPierwData& e = ShortTable[z - 1];
    return QString::fromStdString(e.Symbol) + QStringLiteral(" - ") + QString::fromStdString(e.DisplayName);
}

// The four pictures of the minimise and close buttons, made once: they are
// swapped at every pointer enter and leave.
const QIcon& PictureIcon(ToolbarPictureKind kind, bool hot)
{
    static const QIcon icons[2][2] = {
        {CrispIcon(ToolbarPicture(ToolbarPictureKind::Minimise, false)),
         CrispIcon(ToolbarPicture(ToolbarPictureKind::Minimise, true))},
        {CrispIcon(ToolbarPicture(ToolbarPictureKind::Close, false)),
         CrispIcon(ToolbarPicture(ToolbarPictureKind::Close, true))},
    };
    return icons[kind == ToolbarPictureKind::Close][hot];
}

} // namespace

// ---- Creation and shutdown ------------------------------------------------

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form1"));
    // The window has no caption bar; its title is what the task bar shows.
    setWindowTitle(ApplicationTitle);
    setAccessibleName(QStringLiteral("Zefirak"));
    setFixedSize(787, 414);
    // The skin paints every pixel, except where the window must leave the
    // outside of its outline transparent itself.
    if (!PrepareShapedWindow(*this))
        setAttribute(Qt::WA_OpaquePaintEvent);
    SetFaceColour(this, colors::WindowFace);
    setFont(SansFont(11));
    setMouseTracking(true);

    Image1 = new Banner(this);
    connect(Image1, &Banner::pointerMoved, this, &TForm1::eMove);
    connect(Image1, &Banner::clicked, this, &TForm1::Image1Click);

    Podglad = new QLabel(QStringLiteral("Zefirak"), this);
    Podglad->setObjectName(QStringLiteral("Podglad"));
    QFont bold = SansFont(13);
    bold.setBold(true);
    Podglad->setFont(bold);
    SetWindowTextColour(Podglad, colors::Blue);
    Podglad->move(16, 376);
    Podglad->adjustSize();

    CreateTableCaptions();
    Dane = new DataPanel(this);
    CreateSearchBox();
    CreateToolbar();
    zegar = new Clock(this);

    CentreOnScreen(this);
    FormActivate();
}

TForm1::~TForm1() = default;

void TForm1::FormActivate()
{
    // There is no sponsor panel to prepare: the program has no sponsor.
    StartClock();
    PrepareDataPanel();
    BuildButtonTable();
    LoadShortTable();
    LoadElementTable();
    InitElementButtons();
    CreateClipboard();
    HookSearchButton();
    ChainTabStops();
}

void TForm1::StartClock() { Tlo = zegar->Start(); }

void TForm1::PrepareDataPanel()
{
    connect(Dane, &DataPanel::pointerMoved, this, &TForm1::DaneMouseMove);
    connect(Dane, &DataPanel::entered, this, &TForm1::DaneEnter);
}

void TForm1::CreateClipboard() { m_clipboard = QGuiApplication::clipboard(); }

void TForm1::HookSearchButton() { Szukaj->HookButton(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void TForm1::FormClose()
{
    // Once: a close command that comes while a shutdown message is open
    // must not write the settings again.
    static bool closing = false;
    if (closing)
        return;
    closing = true;
    if (Tlo)
        Tlo->Stop();
    const ShutdownMessages blocking;
    WriteReg();
    // End at once: no window is closed and the clock thread is not joined
    // (exit() would run destructors while it still runs). Everything written
    // above is already complete on disk.
    std::fflush(nullptr);
    std::_Exit(0);
}

// ---- Settings and skin ----------------------------------------------------

void TForm1::ReadReg() { ::ReadReg(platform::Paths().SettingsFile(), StoredPrintSettings(), *this); }

void TForm1::WriteReg()
{
    // One box for all that could not be saved, then the program ends as
    // usual: the settings of this run are lost, those of the last stay.
    CollectPrintSettings();
    const QStringList problems = ::WriteReg(platform::Paths().SettingsFile(), StoredPrintSettings());
    if (!problems.isEmpty())
        ShowNotice(problems.join(QStringLiteral("\r\n\r\n")), nkError);
}

void TForm1::loadskin(const QString& /*name*/, TColor /*transparent*/)
{
    // There is one skin, the default; the name and key colour are not used.
    LoadSkinOnto(*this, [this] { SetProgramInterface(); });
}

void TForm1::FormPaint(QPainter& painter) { PaintSkinBackground(painter); }

void TForm1::RepaintWindow() { repaint(); }

void TForm1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ClipToShape(painter, *this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    FormPaint(painter);
}

void TForm1::SetProgramInterface()
{
    SetWindowTextColour(lantanowce, ColorScheme.app_info);
    SetWindowTextColour(aktynowce, ColorScheme.app_info);
    SetWindowTextColour(Label37, ColorScheme.app_legend);
    SetWindowTextColour(zegar, ColorScheme.app_legend);
    SetWindowTextColour(Podglad, ColorScheme.app_legend);
    for (QLabel* label : a)
        SetWindowTextColour(label, ColorScheme.app_info);
    for (QLabel* label : b)
        SetWindowTextColour(label, ColorScheme.app_info);
}

void TForm1::SetStatus(const QString& text)
{
    Podglad->setText(text);
    Podglad->adjustSize();
}

// ---- The table ------------------------------------------------------------

void TForm1::CreateTableCaptions()
{
    for (int g = 1; g <= 18; ++g) {
        const int top = (g == 1 || g == 18) ? 72 : (g == 2 || g >= 13) ? 96 : 144;
        const QString text = g < 10 ? QStringLiteral(" ") + QString::number(g) : QString::number(g);
        const QByteArray name = "a" + QByteArray::number(g);
        a[g - 1] = Caption(this, name.constData(), text, 24 + 32 * (g - 1), top, colors::Black);
    }
    for (int p = 1; p <= 7; ++p) {
        const QByteArray name = "b" + QByteArray::number(p);
        b[p - 1] = Caption(this, name.constData(), QString::number(p), 8, 93 + 24 * (p - 1), colors::Black);
    }
    lantanowce = Caption(this, "lantanowce", QStringLiteral("Lantanowce"), 16, 264, colors::Teal);
    aktynowce = Caption(this, "aktynowce", QStringLiteral("Aktynowce"), 16, 328, colors::Teal);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(496, 256, 81, 73);
    Label37 = Caption(this, "Label37", QStringLiteral("Legenda:"), 507, 242, colors::Teal, 13);

    // The three labels share one face, narrowed just enough for the widest
    // to keep as far from the bevel's right edge as they start from its left.
    const int labelLeft = 504;
    const QStringList legend = {QStringLiteral("    Metale   "), QStringLiteral("Półmetale "),
                                QStringLiteral("Niemetale ")};
    const QFont legendFont = FitWidth(SansFont(15), legend, Bevel1->width() - 2 * (labelLeft - Bevel1->x()));
    Label34 = LegendLabel(this, "Label34", legend[0], labelLeft, 264, colors::Lime, colors::Blue, legendFont);
    Label35 = LegendLabel(this, "Label35", legend[1], labelLeft, 284, colors::Aqua, colors::Green, legendFont);
    Label36 = LegendLabel(this, "Label36", legend[2], labelLeft, 304, colors::Yellow, colors::Red, legendFont);
}

void TForm1::BuildButtonTable()
{
    for (int z = 1; z <= ElementCount; ++z) {
        auto* button = new TZfkButton97(this);
        button->setObjectName(QLatin1String(ComponentNames[z - 1]));
        button->setGeometry(ElementButtonRect(z));
        button->SetCaption(QLatin1String(ComponentNames[z - 1]));
        button->SetFont(SansFont(13));
        button->OnClick = [this, z](QObject*) { ElementClick(z); };
        button->OnMouseEnter = [this, z](QObject*) { ElementMouseEnter(z); };
        ElementButtons[z - 1] = button;
    }
}

void TForm1::InitElementButtons()
{
    for (int z = 1; z <= ElementCount; ++z) {
        TZfkButton97* button = ElementButtons[z - 1];
        button->SetCaption(QString::fromStdString(ShortTable[z - 1].Symbol));
        button->OnMouseLeave = [this](QObject* sender) { HMouseExit(sender); };
        button->OnRightClick = [this](QObject* sender) { RClick(sender); };
        button->OnKeyDown = [this](QObject*, int key) { WalkTable(key); };
    }
    ColourElementButtons();
    ToolbarButton973->SetPictures(PictureIcon(ToolbarPictureKind::Minimise, false),
                                  PictureIcon(ToolbarPictureKind::Minimise, true));
    ToolbarButton972->SetPictures(PictureIcon(ToolbarPictureKind::Close, false),
                                  PictureIcon(ToolbarPictureKind::Close, true));
}

// Each button's colours follow its element's class, as the legend says.
void TForm1::ColourElementButtons()
{
    for (int z = 1; z <= ElementCount; ++z) {
        TZfkButton97* button = ElementButtons[z - 1];
        switch (ClassOf(ElementTable[z - 1])) {
        case ElementClass::Semimetal:
            button->SetColor(colors::Aqua);
            button->SetFontColor(colors::Green);
            break;
        case ElementClass::Nonmetal:
            button->SetColor(colors::Yellow);
            button->SetFontColor(colors::Red);
            break;
        case ElementClass::Metal:
            button->SetColor(colors::Lime);
            button->SetFontColor(colors::Blue);
            break;
        }
    }
}

void TForm1::ElementClick(int z)
{
    ShowElementData(z);
    MoveTableStop();
}

void TForm1::ElementMouseEnter(int z) { ShowElementStatus(z); }

void TForm1::ShowElementStatus(int z)
{
    // The pointer as the crossing into the button reported it; the cursor's
    // screen position mapped through the window's would be wrong while a
    // window manager has moved the window and the toolkit not yet heard.
    const TZfkButton97* button = ElementButtons[z - 1];
    const QPoint p =
        button && button->PointerInside() ? button->mapTo(this, button->PointerPoint()) : mapFromGlobal(QCursor::pos());
    // The bands are the normal layout's; a compacted column is read as the
    // column it stands for, so the group shown is the element's own.
    const int x = m_compactLayout ? NormalXOfCompactX(p.x()) : p.x();
    SetStatus(AccessibleElementName(z) + GroupPeriodText(x, p.y()));
}

void TForm1::HMouseExit(QObject*) { SetStatus(QString()); }

void TForm1::RClick(QObject*) { ClearSelection(); }

void TForm1::ClearSelection()
{
    if (SelectedElement != -1)
        ElementButtons[SelectedElement - 1]->SetSelected(false);
    SelectedElement = -1;
    ShowElementData(-1);
    MoveTableStop();
}

void TForm1::NavigateTo(int n)
{
    if (n == 0)
        return;
    if (n == -1)
        ElementButtons[0]->Click();
    else if (n >= 1 && n <= ElementCount)
        ElementButtons[n - 1]->Click();
}

void TForm1::WalkTable(int key)
{
    if (SelectedElement == -1) {
        NavigateTo(-1);
        return;
    }
    const TPierwData& e = ElementTable[SelectedElement - 1];
    NavigateTo(key == Qt::Key_Left    ? e.LeftNeighbour
               : key == Qt::Key_Right ? e.RightNeighbour
               : key == Qt::Key_Up    ? e.UpNeighbour
                                      : e.DownNeighbour);
}

void TForm1::MoveTableStop()
{
    TZfkButton97* stop = ElementButtons[SelectedElement == -1 ? 0 : SelectedElement - 1];
    if (stop == m_tableStop)
        return;
    // The focus goes along when the table had it, as the arrow keys move it.
    const bool focused = m_tableStop && m_tableStop->hasFocus();
    if (m_tableStop)
        m_tableStop->setFocusPolicy(Qt::NoFocus);
    stop->setFocusPolicy(Qt::TabFocus);
    m_tableStop = stop;
    if (focused)
        stop->setFocus(Qt::OtherFocusReason);
}

void TForm1::ChainTabStops()
{
    QList<QWidget*> stops{OriginalToolbarButton974, ToolbarButton971, ToolbarButton974, Szukaj,
                          ToolbarButton973,         ToolbarButton972};
    for (TZfkButton97* button : ElementButtons)
        stops << button;
    stops << OriginalToolbarButton971 << OriginalToolbarButton972 << OriginalToolbarButton973;
    // The toolkit chains only widgets that take the focus; all the element
    // buttons do while they are chained, then only the stop.
    for (TZfkButton97* button : ElementButtons)
        button->setFocusPolicy(Qt::TabFocus);
    ::ChainTabStops(stops);
    for (TZfkButton97* button : ElementButtons)
        button->setFocusPolicy(Qt::NoFocus);
    m_tableStop = nullptr;
    MoveTableStop();
}

void TForm1::SetLatin(bool latin)
{
    SetShownNames(latin);
    for (int z = 1; z <= ElementCount; ++z)
        if (ElementButtons[z - 1])
            ElementButtons[z - 1]->setAccessibleName(AccessibleElementName(z));
    if (SelectedElement != -1)
        ShowElementData(SelectedElement);
}

void TForm1::ChangeResource(int flag)
{
    // There is no way back; the compact layout is applied once.
    if (flag == 0 && !m_compactLayout)
        SwitchToCompactLayout();
}

void TForm1::SwitchToCompactLayout()
{
    m_compactLayout = true;
    for (int z = 1; z <= ElementCount; ++z) {
        TZfkButton97* button = ElementButtons[z - 1];
        QFont font = button->Font();
        font.setPointSize(9);
        button->SetFont(font);
        button->setGeometry(CompactElementButtonRect(z));
    }
    for (int g = 1; g <= 18; ++g)
        a[g - 1]->move(CompactGroupLabelLeft(g), a[g - 1]->y());

    for (const CompactPlace& place : CompactPlaces) {
        auto* w = findChild<QWidget*>(QLatin1String(place.name), Qt::FindDirectChildrenOnly);
        w->setGeometry(place.left, w->y(), place.width ? place.width : w->width(), w->height());
    }

    Image1->hide();
    // At 7 points the captions take the narrow face, squeezed further where
    // a caption would still not fit its shortened button.
    for (ToolbarButton* button : {OriginalToolbarButton974, ToolbarButton971, ToolbarButton974})
        button->NarrowCaption(CompactCaptionMargin);
    repaint();
}

void TForm1::eMove() { SetStatus(QStringLiteral("Kliknij aby wyświetlić informacje o programie")); }

void TForm1::Image1Click() { RunFromEventLoop(&TForm1::ToolbarButton974Click); }

// ---- The data panel ---------------------------------------------------------

void TForm1::ShowElementData(int z)
{
    if (z != -1)
        SelectedElement = z;
    Dane->ShowElement(z);
}

void TForm1::DaneMouseMove(int, int y)
{
    const QString explanation = Dane->RowExplanation(y);
    if (explanation.isEmpty())
        return;
    SetStatus(explanation);
    Podglad->repaint(); // show it while the pointer is still moving
}

void TForm1::DaneEnter() { Szukaj->setFocus(); }

// ---- Search -----------------------------------------------------------------

void TForm1::CreateSearchBox()
{
    Szukaj = SearchBox::Create(this);
    szukany = Szukaj->Caption();
    SzukajButton = Szukaj->Button();
    connect(Szukaj, &SearchBox::keyDown, this, &TForm1::SzukajKeyDown);
    connect(Szukaj, &SearchBox::escapePressed, this, [this] { SzukajKeyPress(Qt::Key_Escape); });
    connect(Szukaj, &SearchBox::pointerMoved, this, &TForm1::SzukajMouseMove);
    connect(Szukaj, &SearchBox::buttonPointed, this, &TForm1::SzukajButtonMouseEnter);
    connect(SzukajButton, &QToolButton::clicked, this, &TForm1::SzukajButtonClick);
}

void TForm1::SearchElement(const QString& text)
{
    const int n = FindElement(text);
    if (n != 0)
        NavigateTo(n);
    else
        ClearSelection();
}

void TForm1::SzukajButtonClick()
{
    SearchElement(FilterSearchText(Szukaj->text()));
    Szukaj->clear();
}

void TForm1::SzukajKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        SzukajButtonClick();
        return;
    }
    WalkTable(key);
}

void TForm1::SzukajKeyPress(int key)
{
    if (key == Qt::Key_Escape)
        AskToQuit();
}

void TForm1::SzukajButtonMouseEnter()
{
    SetStatus(QStringLiteral("Kliknij na ten przycisk aby wyświetlić dane o szukanym przez ciebie pierwiastku"));
}

void TForm1::SzukajMouseMove() { SetStatus(QString()); }

// ---- Export -----------------------------------------------------------------

void TForm1::CopyElementData()
{
    if (SelectedElement == -1)
        ShowNotice(NothingSelected, nkError);
    else
        CopyElementText(*m_clipboard, ElementTable[SelectedElement - 1]);
}

void TForm1::SaveElementData()
{
    if (SelectedElement == -1)
        ShowNotice(NothingSelected, nkError);
    else
        SaveElementText(this, ElementTable[SelectedElement - 1]);
}

// ---- The toolbar and what a title bar would offer ---------------------------

void TForm1::CreateToolbar()
{
    QFont toolbarFont = ArialFont(11);
    toolbarFont.setBold(true);
    OriginalToolbarButton974 = new ToolbarButton(this, "OriginalToolbarButton974", QStringLiteral("Wydruk Zefiraku"),
                                                 QRect(8, 14, 185, 22), toolbarFont);
    ToolbarButton971 = new ToolbarButton(this, "ToolbarButton971", QStringLiteral("Wydruk Raportu"),
                                         QRect(200, 14, 113, 22), toolbarFont);
    ToolbarButton974 = new ToolbarButton(this, "ToolbarButton974", QStringLiteral("Informacja i Ustawienia Programu"),
                                         QRect(320, 14, 193, 22), toolbarFont);
    ToolbarButton973 = new ToolbarButton(this, "ToolbarButton973", QString(), QRect(726, 13, 25, 22), font(),
                                         QStringLiteral("Minimalizacja programu"));
    ToolbarButton973->setAccessibleName(QStringLiteral("Minimalizacja programu"));
    ToolbarButton972 = new ToolbarButton(this, "ToolbarButton972", QString(), QRect(752, 13, 25, 22), font(),
                                         QStringLiteral("Wyjście z aplikacji"));
    ToolbarButton972->setAccessibleName(QStringLiteral("Wyjście z aplikacji"));
    OriginalToolbarButton971 =
        new ToolbarButton(this, "OriginalToolbarButton971", QStringLiteral("Kopiuj dane"), QRect(632, 288, 137, 17),
                          font(), QStringLiteral("Kopiuj dane do schowka systemowego"));
    OriginalToolbarButton972 =
        new ToolbarButton(this, "OriginalToolbarButton972", QStringLiteral("Zapisz dane do pliku txt"),
                          QRect(632, 308, 137, 17), font(), QStringLiteral("Zapisz dane do pliku tekstowego"));
    OriginalToolbarButton973 =
        new ToolbarButton(this, "OriginalToolbarButton973", QStringLiteral("Wydrukuj dane"), QRect(632, 328, 137, 17),
                          font(), QStringLiteral("Wydrukuj dane (raport)"));

    // Each of these may open a modal window (a question, a file dialog or
    // a dialog of the program); minimising opens none.
    const std::pair<ToolbarButton*, void (TForm1::*)()> actions[] = {
        {OriginalToolbarButton971, &TForm1::OriginalToolbarButton971Click},
        {OriginalToolbarButton972, &TForm1::OriginalToolbarButton972Click},
        {OriginalToolbarButton973, &TForm1::OriginalToolbarButton973Click},
        {OriginalToolbarButton974, &TForm1::OriginalToolbarButton974Click},
        {ToolbarButton971, &TForm1::ToolbarButton971Click},
        {ToolbarButton972, &TForm1::ToolbarButton972Click},
        {ToolbarButton974, &TForm1::ToolbarButton974Click},
    };
    for (auto [button, action] : actions)
        connect(button, &QToolButton::clicked, this, [this, action = action] { RunFromEventLoop(action); });
    connect(ToolbarButton973, &QToolButton::clicked, this, &TForm1::ToolbarButton973Click);
    for (ToolbarButton* button : {OriginalToolbarButton971, OriginalToolbarButton972, OriginalToolbarButton973,
                                  ToolbarButton972, ToolbarButton973}) {
        connect(button, &ToolbarButton::hinted, this, &TForm1::SetStatus);
        connect(button, &ToolbarButton::hintTakenBack, this, [this, button] { HMouseExit(button); });
    }
}

void TForm1::OriginalToolbarButton971Click() { CopyElementData(); }

void TForm1::OriginalToolbarButton972Click() { SaveElementData(); }

void TForm1::OriginalToolbarButton973Click()
{
    if (SelectedElement == -1) {
        ShowNotice(NothingSelected, nkError);
        return;
    }
    // The report dialog stays beside the main window without blocking it.
    ReportDialog().ShowFor(SelectedElement);
}

void TForm1::OriginalToolbarButton974Click() { TableDialog().exec(); }

void TForm1::ToolbarButton971Click()
{
    // Left open by "Wydrukuj dane", the dialog would not become modal by
    // exec alone; shown anew it also starts with nothing ticked.
    TForm3& dialog = ReportDialog();
    if (dialog.isVisible())
        dialog.hide();
    dialog.exec();
}

void TForm1::ToolbarButton974Click() { SettingsDialog().exec(); }

void TForm1::ToolbarButton973Click()
{
    // The whole application goes to the task bar, dialogs included.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->showMinimized();
}

void TForm1::ToolbarButton972Click() { AskToQuit(); }

void TForm1::RunFromEventLoop(void (TForm1::*action)())
{
    m_action.Run(this, [this, action] { (this->*action)(); });
}

void TForm1::AskToQuit()
{
    if (AskYesNo(ExitQuestion))
        close();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // After the window is up, so that a question does not hold up its showing.
    QTimer::singleShot(0, this, &TForm1::FormShow);
}

void TForm1::FormShow()
{
    Szukaj->setFocus();
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    if (s)
        CheckScreenSize(s->size());
}

void TForm1::CheckScreenSize(const QSize& screen)
{
    if (screen.width() >= 780 && screen.height() >= 400)
        return;
    ChangeResource(0);
    if (!Warn2)
        return;
    const QStringList lines = {
        QStringLiteral("Aktualna rozdzielczość ekranu: ") + QString::number(screen.width()) + QLatin1Char('/')
            + QString::number(screen.height()),
        QStringLiteral("jest mniejsza niż rozmiar skórki, interfejs programu"),
        QStringLiteral("był tworzony dla rozdzielczości 800/600."),
        QStringLiteral("Może to powodować niewygodę podczas pracy,"),
        QStringLiteral("część interfejsu może zostać ucięta."),
        QStringLiteral("Można jednak przesuwać interfejs: klikając i przytrzymując"),
        QStringLiteral("lewy przycisk myszy, równocześnie przesuwając mysz."),
        QString(),
        QStringLiteral("Czy chcesz aby ten komunikat pokazał się podczas"),
        QStringLiteral("następnego uruchomienia programu w niskiej rozdzielczości"),
    };
    Warn2 = AskYesNo(lines.join(QStringLiteral("\r\n")));
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    // Only a press on the bare surface moves the window; presses that labels
    // pass up to the window do not.
    if (childAt(event->position().toPoint()) == nullptr)
        FormMouseDown(event);
}

void TForm1::FormMouseDown(QMouseEvent* event)
{
    const QPoint pressedAt = event->globalPosition().toPoint();
    // Ask the window manager for an interactive move, as a title bar would.
    // Only for the left button: the window manager ends its move when the
    // left button comes up, so a move begun with another one would go on
    // after that button's release. The toolkit anchors that move at the last
    // pointer position it has read, not at the press; if the pointer has
    // moved on since (the press waited while we were busy), the window would
    // trail the pointer by that much for the whole move.
    if (event->button() == Qt::LeftButton && QCursor::pos() == pressedAt && windowHandle()
        && windowHandle()->startSystemMove())
        return;
    // Another button, no window manager that offers a move, or a late press:
    // follow the pointer ourselves until the button is released.
    m_manualDrag = true;
    m_dragOffset = pressedAt - pos();
    grabMouse();
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    if (m_manualDrag) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    if (childAt(event->position().toPoint()) == nullptr)
        SzukajMouseMove();
}

void TForm1::mouseReleaseEvent(QMouseEvent*)
{
    if (m_manualDrag) {
        m_manualDrag = false;
        releaseMouse();
    }
}
