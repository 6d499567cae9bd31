// The splash window shown while the program's windows are created.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

class TZfk_SplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TZfk_SplashForm(QWidget* parent = nullptr);

    // Shows a start-up status text and puts it on the screen before
    // returning: the event loop is not running yet, so nothing else would
    // paint it.
    void SetStatus(const QString& text);
    QPixmap Banner() const;

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void WaitUntilExposed();
    bool m_bannerLoaded = false;
};

// The banner picture, expanded from its built-in block.
QPixmap LoadBanner();
