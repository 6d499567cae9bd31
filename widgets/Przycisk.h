// The push button of the program's dialogs: the element button's face
// without the latch, clicking on release, with a hover look while the
// pointer is over it. Tab reaches it; Space and Enter click it, and a dotted
// rectangle inside the face shows that it has the focus.
#pragma once

#include "widgets/ButtonFace.h"
#include "widgets/DeferredOnce.h"

class TPrzycisk : public TZfkButtonFace {
    Q_OBJECT
public:
    explicit TPrzycisk(QWidget* parent = nullptr);

    const QString& Tekst() const { return Text(); }
    void SetTekst(const QString& text) { SetText(text); }
    TColor Kolor_Przycisku() const { return FaceColor(); }
    void SetKolor_Przycisku(TColor color) { SetFaceColor(color); }

    // Caption colour and style of the hover look; take effect at the next paint.
    TColor Animacja_Kolor() const { return m_animacjaKolor; }
    void SetAnimacja_Kolor(TColor color) { m_animacjaKolor = color; }
    TFontStyles Animacja_Styl() const { return m_animacjaStyl; }
    void SetAnimacja_Styl(TFontStyles styles) { m_animacjaStyl = styles; }

    bool Pressed() const { return m_pressed; }
    bool Hovered() const { return m_hovered; }
    bool MouseInside() const { return m_mouseInside; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void MouseEntered() override;
    void MouseLeft() override;
    void AccessiblePress() override;

private:
    TColor m_animacjaKolor = colors::Black;
    TFontStyles m_animacjaStyl = 0;
    bool m_pressed = false;
    bool m_hovered = false;
    // A screen reader's press waits for the event loop; more of them meanwhile
    // are one press.
    DeferredOnce m_accessiblePress;
    // An enter was acted on and no leave since; enter and leave count only
    // when they change it.
    bool m_mouseInside = false;
};

// An action that runs inside its button's click handler: while it runs, the
// flag is set and the button inactive, so a click that reaches the dialog
// meanwhile (from a nested event loop) starts nothing. Both come back when
// the guard goes, on every path.
class TRunningAction {
public:
    TRunningAction(bool& running, TPrzycisk& button)
        : m_running(running),
          m_button(button)
    {
        m_running = true;
        m_button.SetAktywny(false);
    }
    ~TRunningAction()
    {
        m_running = false;
        m_button.SetAktywny(true);
    }
    TRunningAction(const TRunningAction&) = delete;
    TRunningAction& operator=(const TRunningAction&) = delete;

private:
    bool& m_running;
    TPrzycisk& m_button;
};
