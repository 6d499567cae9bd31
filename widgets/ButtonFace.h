// What the program's two self-drawn buttons have in common: their defaults,
// the caption and picture placement, the two-colour frame, the inactive look,
// the colour-keyed picture and the way pointer notifications reach them.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include "widgets/Colors.h"

#include <cstdint>
#include <functional>

class QPainter;

// Font style set; the bits combine.
enum TFontStyle : uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = uint8_t;

QFont WithStyles(QFont font, TFontStyles styles);

// The program's focus mark: a dotted outline of r, every other pixel set,
// as whole logical pixels so that it stays sharp at any device pixel ratio.
void PaintDottedRect(QPainter& painter, const QRect& r, const QColor& color);

// Events are plain callbacks; an empty one is "not assigned" and is skipped.
using TNotifyEvent = std::function<void(QObject* sender)>;
using TMouseMoveEvent = std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)>;

class TZfkButtonFace : public QWidget {
    Q_OBJECT
public:
    bool Aktywny() const { return m_aktywny; }
    void SetAktywny(bool value);

    // The caption font; its colour travels separately, as Qt fonts have none.
    const QFont& Font() const { return m_font; }
    void SetFont(const QFont& font);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);

    const QImage& Obrazek() const { return m_obrazek; }
    void SetObrazek(const QImage& picture);
    bool Obrazek_Delphi_Glyph() const { return m_glyph; }
    void SetObrazek_Delphi_Glyph(bool value);
    bool Obrazek_Od_Lewej() const { return m_odLewej; }
    void SetObrazek_Od_Lewej(bool value);

    // Informational only; every paint writes the fixed text back.
    const QString& O_przycisku() const { return m_about; }
    void SetO_przycisku(const QString& text) { m_about = text; }

    // Hints are the widget's tool tip. With ParentShowHint the parent's
    // dynamic property "ShowHint" decides (absent means no hints, as on a
    // plain window); setting ShowHint directly turns ParentShowHint off.
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& text) { setToolTip(text); }
    bool ShowHint() const;
    void SetShowHint(bool value);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool value) { m_parentShowHint = value; }

    // Desktop colour of a $00BBGGRR value (system colours from this palette).
    QColor ToColor(TColor color) const;

    // While the pointer is over the button: where it is, in the button's
    // coordinates, as the window system reported it with the crossing or the
    // last motion. Unlike the cursor's screen position mapped through the
    // window's, this holds while a window manager is still moving the window.
    bool PointerInside() const { return m_pointerInside; }
    QPoint PointerPoint() const { return m_pointerPoint; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;

protected:
    TZfkButtonFace(QWidget* parent, const QString& about);

    // Caption text and face colour; the subclasses publish them under their
    // own names.
    const QString& Text() const { return m_text; }
    void SetText(const QString& text);
    TColor FaceColor() const { return m_faceColor; }
    void SetFaceColor(TColor color);

    // What a screen reader's "press" does.
    friend class TButtonAccessible;
    virtual void AccessiblePress() = 0;
    // A button that latches tells screen readers so, and whether it is
    // latched now; NotifyChecked reports a change to them.
    virtual bool Latching() const { return false; }
    virtual bool Latched() const { return false; }
    void NotifyChecked();

    // The pointer came over the button or went off it. Called once per
    // change, also while a mouse button is held on this button (the toolkit
    // itself would hold both back until the release).
    virtual void MouseEntered() = 0;
    virtual void MouseLeft() = 0;

    // Pixel position of a mouse event in the button's coordinates.
    static QPoint EventPoint(const QMouseEvent* event);
    // Inclusive on all four sides: x = width and y = height still count.
    bool IsOver(QPoint p) const;

    // Painting steps, in button coordinates.
    void ResetAbout() { m_about = m_aboutText; }
    void PaintFill(QPainter& painter, TColor fill) const;
    // Draws the caption on the fill colour and returns its text width.
    int PaintCaption(QPainter& painter, const QFont& font, TColor textColor, TColor fill) const;
    // Four lines, each without its end point: left and top in topLeft,
    // right and bottom in bottomRight.
    void PaintFrame(QPainter& painter, int l, int t, int r, int b, TColor topLeft, TColor bottomRight) const;
    // Grey face and grey caption, no frame; returns the caption width.
    int PaintInactive(QPainter& painter) const;
    // The picture, if any, over everything else; captionWidth places it.
    void PaintPicture(QPainter& painter, int captionWidth) const;
    // The keyboard focus: the dotted outline inset pixels inside the face.
    void PaintFocus(QPainter& painter, int inset, TColor color) const;

    void Redraw() { repaint(); }

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SetPointerInside(bool inside);
    void NameChanged();

    const QString m_aboutText;
    QString m_about;
    QString m_text;
    TColor m_faceColor = colors::PaleYellow;
    bool m_aktywny = true;
    QFont m_font;
    TColor m_fontColor = colors::Black;
    QImage m_obrazek;
    QImage m_keyed; // m_obrazek with its key colour made transparent
    bool m_glyph = false;
    bool m_odLewej = false;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    bool m_pointerInside = false;
    QPoint m_pointerPoint;
};
