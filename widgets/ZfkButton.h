// The element button of the periodic table: a flat self-drawn button that
// stays latched (blue double frame) after a click until another element
// button is clicked or the program releases it. Screen readers see the latch
// as the checked state. With the focus (which only the program gives it) it
// shows a dotted rectangle; Space and Enter click it, the arrow keys go to
// OnKeyDown.
#pragma once

#include "widgets/ButtonFace.h"

class QMenu;

using TKeyEvent = std::function<void(QObject* sender, int key)>;

class TZfkButton97 : public TZfkButtonFace {
    Q_OBJECT
public:
    explicit TZfkButton97(QWidget* parent = nullptr);
    ~TZfkButton97() override;

    const QString& Caption() const { return Text(); }
    void SetCaption(const QString& caption) { SetText(caption); }
    TColor Color() const { return FaceColor(); }
    void SetColor(TColor color) { SetFaceColor(color); }

    // Popped up by a right press on the latched button; not owned.
    QMenu* Menu() const { return m_menu; }
    void SetMenu(QMenu* menu) { m_menu = menu; }

    TNotifyEvent OnRightClick;
    TKeyEvent OnKeyDown;

    // The click sequence: latch this button, release the one latched before,
    // then OnClick. Runs whatever the active and latched states are.
    void Click();
    void SetSelected(bool selected);

    bool Selected() const { return m_selected; }
    bool Pressed() const { return m_pressed; }
    bool RightClickPending() const { return m_rightClickPending; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void MouseEntered() override;
    void MouseLeft() override;
    void AccessiblePress() override { Click(); }
    bool Latching() const override { return true; }
    bool Latched() const override { return m_selected; }

private:
    void RightPress();
    void SetLatched(bool selected);

    QMenu* m_menu = nullptr;
    bool m_selected = false;
    bool m_pressed = false;
    bool m_rightClickPending = false;
};

// The element button clicked last, shared by every element button of the
// program. Only ever replaced by a click (and dropped if that button is
// destroyed, so it never dangles).
extern TZfkButton97* CurrentButton;
