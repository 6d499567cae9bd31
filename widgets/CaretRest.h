// A text caret that stops blinking when the user stops typing: a blinking
// caret wakes an idle program four times a second for nothing. It shows
// steadily after a rest and blinks again at the next key or click, as the
// desktop's own text fields do.
#pragma once

#include <QObject>
#include <QTimer>

class CaretRest : public QObject {
    Q_OBJECT
public:
    // Watches the application's input; restMs of none stops the blinking.
    explicit CaretRest(int restMs = 10000, QObject* parent = nullptr);
    ~CaretRest() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rest();
    void Wake();

    QTimer m_rest;
    // The flash time in force before the rest; 0 while the caret blinks.
    int m_flashTime = 0;
};
