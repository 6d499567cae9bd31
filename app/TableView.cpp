// The periodic table view of the main window: the element buttons, their
// captions and colours, the group and period labels, the legend, selection,
// keyboard navigation, the name language and the compact layout.
#include "app/TForm1.h"

#include "app/Forms.h"
#include "app/TableGeometry.h"
#include "data/ElementTables.h"
#include "settings/Skin.h"
#include "widgets/Look.h"
#include "widgets/ZfkButton.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>

namespace {

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

// The design's colour of each element's button follows its class.
constexpr int Semimetals[] = {5, 14, 32, 33, 51, 52};
constexpr int Nonmetals[] = {1, 2, 6, 7, 8, 9, 10, 15, 16, 17, 18, 34, 35, 36, 53, 54, 85, 86};

// Room left free on each side of a compact toolbar caption, for the
// button's frame and a little air.
constexpr int CompactCaptionMargin = 4;

bool In(const int* first, const int* last, int z) { return std::find(first, last, z) != last; }

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

} // namespace

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
        if (In(std::begin(Semimetals), std::end(Semimetals), z)) {
            button->SetColor(colors::Aqua);
            button->SetFontColor(colors::Green);
        } else if (In(std::begin(Nonmetals), std::end(Nonmetals), z)) {
            button->SetColor(colors::Yellow);
            button->SetFontColor(colors::Red);
        } else {
            button->SetColor(colors::Lime);
            button->SetFontColor(colors::Blue);
        }
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
    }
    SetToolbarPictures(false, false);
}

void TForm1::ElementClick(int z) { ShowElementData(z); }

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
    const int x = compactLayout ? NormalXOfCompactX(p.x()) : p.x();
    const TShortPierwData& e = ShortTable[z - 1];
    SetStatus(QString::fromStdString(e.Symbol) + QStringLiteral(" - ") + QString::fromStdString(e.DisplayName)
              + GroupPeriodText(x, p.y()));
}

void TForm1::HMouseExit(QObject*) { SetStatus(QString()); }

void TForm1::RClick(QObject*) { ClearSelection(); }

void TForm1::ClearSelection()
{
    if (SelectedElement != -1)
        ElementButtons[SelectedElement - 1]->SetSelected(false);
    SelectedElement = -1;
    ShowElementData(-1);
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

void TForm1::SetLatin(bool latin)
{
    for (int i = 0; i < ElementCount; ++i) {
        ShortTable[i].DisplayName = latin ? ShortTable[i].LatinName : ShortTable[i].PolishName;
        ElementTable[i].Name = latin ? ElementTable[i].LatinName : ElementTable[i].PolishName;
        if (ElementButtons[i])
            ElementButtons[i]->setAccessibleName(AccessibleElementName(i + 1));
    }
    if (SelectedElement != -1)
        ShowElementData(SelectedElement);
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

void TForm1::ChangeResource(int flag)
{
    // There is no way back; the compact layout is applied once.
    if (flag != 0 || compactLayout)
        return;
    compactLayout = true;
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
    for (QToolButton* button : {OriginalToolbarButton974, ToolbarButton971, ToolbarButton974}) {
        QFont font = ArialNarrowFont(button->font());
        font.setPointSize(7);
        button->setFont(FitWidth(font, {button->text()}, button->width() - 2 * CompactCaptionMargin));
    }
    repaint();
}

void TForm1::eMove() { SetStatus(QStringLiteral("Kliknij aby wyświetlić informacje o programie")); }

void TForm1::Image1Click() { ToolbarButton974Click(); }

bool TForm1::BannerEvent(QObject* watched, QEvent* event)
{
    if (watched != Image1)
        return false;
    if (event->type() == QEvent::MouseMove)
        eMove();
    else if (event->type() == QEvent::MouseButtonRelease
             && Image1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        Image1Click();
    return false;
}
