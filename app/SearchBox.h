// The search box: letters become capitals as they are typed; Enter, the
// arrow keys and Esc, the pointer over the box or its caption and over the
// embedded button are reported to the window.
#pragma once

#include <QLineEdit>

class QLabel;
class QToolButton;

class SearchBox : public QLineEdit {
    Q_OBJECT
public:
    // The box at its place on the window, with its caption "Szukany pierw.:"
    // and its embedded button.
    static SearchBox* Create(QWidget* window);

    // From now on pointing at the embedded button is reported.
    void HookButton();

    QLabel* Caption() const { return m_caption; }
    QToolButton* Button() const { return m_button; }

signals:
    // Enter (either key) or an arrow key; the arrows still move the caret.
    void keyDown(int key);
    void escapePressed();
    // The pointer moved over the box or its caption.
    void pointerMoved();
    // The pointer came onto the embedded button.
    void buttonPointed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SearchBox(QWidget* window);
    void UpcaseTypedText(const QString& text);

    QLabel* m_caption = nullptr;
    QToolButton* m_button = nullptr;
};
