#include "platform/Messages.h"
#include "platform/QtPlatform.h"
#include "tests/app/FakeMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QMessageBox* VisibleBox()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Runs check on the first message box that comes up, from inside its event loop.
void WhenBoxShows(std::function<void(QMessageBox*)> check)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (QMessageBox* box = VisibleBox()) {
            timer->stop();
            timer->deleteLater();
            check(box);
        }
    });
    timer->start();
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void noticeKindsPickCaptionAndIcon_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("flags");
        QTest::newRow("information") << 0 << "Informacja" << 64;
        QTest::newRow("error") << 1 << "Błąd!" << 16;
        QTest::newRow("warning") << 2 << "Uwaga!" << 48;
    }
    void noticeKindsPickCaptionAndIcon()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(int, flags);
        FakeMessages fake;
        ShowNotice(QStringLiteral("Nie wybrano pierwiastka!\r\ndruga linia"), NoticeKind(kind));
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].caption, caption);
        QCOMPARE(fake.boxes[0].flags, flags);
        QCOMPARE(fake.boxes[0].text, QStringLiteral("Nie wybrano pierwiastka!\r\ndruga linia"));
        QVERIFY(!fake.boxes[0].applicationModal);
    }

    void unknownKindsShowNothing()
    {
        FakeMessages fake;
        ShowNotice(QStringLiteral("x"), NoticeKind(4));
        ShowNotice(QStringLiteral("x"), NoticeKind(255));
        QVERIFY(fake.boxes.isEmpty());
    }

    void emptyNoticeKeepsItsCaption()
    {
        FakeMessages fake;
        ShowNotice(QString(), nkError);
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].text, QString());
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Błąd!"));
    }

    void askAppendsOneQuestionMark_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << ""
                               << "?";
        QTest::newRow("plain") << "Czy rzeczywiście chcesz zakończyć program"
                               << "Czy rzeczywiście chcesz zakończyć program?";
        QTest::newRow("already a question") << "Czy?"
                                            << "Czy??";
        QTest::newRow("trailing space") << "dane pierwiastka H - Wodór ?"
                                        << "dane pierwiastka H - Wodór ??";
    }
    void askAppendsOneQuestionMark()
    {
        QFETCH(QString, question);
        QFETCH(QString, shown);
        FakeMessages fake;
        fake.answers = {mb::ResultYes};
        QVERIFY(AskYesNo(question));
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].text, shown);
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Pytanie"));
        QCOMPARE(fake.boxes[0].flags, 36);
        QVERIFY(fake.boxes[0].applicationModal);
    }

    void onlyYesAnswersTrue()
    {
        FakeMessages fake;
        fake.answers = {mb::ResultNo, 0, 1, 2, mb::ResultYes};
        QVERIFY(!AskYesNo(QStringLiteral("a")));
        QVERIFY(!AskYesNo(QStringLiteral("b"))); // no box could be shown
        QVERIFY(!AskYesNo(QStringLiteral("c")));
        QVERIFY(!AskYesNo(QStringLiteral("d")));
        QVERIFY(AskYesNo(QStringLiteral("e")));
    }

    // The real boxes: a notice leaves the other windows working, a question
    // blocks them; both speak Polish with no translation catalogue loaded.
    void realNoticeLeavesWindowsUsable()
    {
        QWidget other;
        auto* button = new QPushButton(QStringLiteral("x"), &other);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));

        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::WindowModality modality = Qt::ApplicationModal;
        bool otherEnabled = false;
        QWidget* modalWidget = nullptr;
        QString text;
        QStringList buttonTexts;
        WhenBoxShows([&](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                buttonTexts << b->text();
            caption = box->windowTitle();
            icon = box->icon();
            modality = box->windowModality();
            text = box->text();
            modalWidget = QApplication::activeModalWidget();
            otherEnabled = other.isEnabled() && button->isEnabled();
            QTest::mouseClick(button, Qt::LeftButton);
            box->button(QMessageBox::Ok)->click();
        });
        ShowNotice(QStringLiteral("linia 1\r\nlinia 2"), nkWarning);

        QCOMPARE(caption, QStringLiteral("Uwaga!"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(modality, Qt::NonModal);
        QCOMPARE(modalWidget, nullptr);
        QVERIFY(otherEnabled);
        QCOMPARE(clicks, 1);
        QCOMPARE(text, QStringLiteral("linia 1\nlinia 2"));
        QCOMPARE(buttonTexts, QStringList{QStringLiteral("OK")});
    }

    void realQuestionBlocksAndDefaultsToYes()
    {
        QStringList buttonTexts;
        Qt::WindowModality modality = Qt::NonModal;
        bool boxIsModal = false;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenBoxShows([&](QMessageBox* box) {
            modality = box->windowModality();
            boxIsModal = QApplication::activeModalWidget() == box;
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                buttonTexts << b->text().remove(QLatin1Char('&'));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(AskYesNo(QStringLiteral("Czy rzeczywiście chcesz zakończyć program")));
        QCOMPARE(modality, Qt::ApplicationModal);
        QVERIFY(boxIsModal);
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(text, QStringLiteral("Czy rzeczywiście chcesz zakończyć program?"));
        buttonTexts.sort();
        QCOMPARE(buttonTexts, (QStringList{QStringLiteral("Nie"), QStringLiteral("Tak")}));

        WhenBoxShows([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QVERIFY(!AskYesNo(QStringLiteral("Czy")));
        WhenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QVERIFY(!AskYesNo(QStringLiteral("Czy")));
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
