// The table view of the main window: selecting with the mouse and the arrow
// keys, the status line while pointing at buttons, the data panel rows and
// the toolbar, and what screen readers see.
#include "app/Pictures.h"
#include "data/ElementTables.h"
#include "tests/app/MainWindowKit.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QImage IconImage(const QToolButton* button)
{
    return button->icon().pixmap(QSize(18, 16), 1.0).toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasPureBlueText(QWidget* w)
{
    const QImage image = Shot(w);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = At(image, x, y);
            if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
                return true;
        }
    return false;
}

} // namespace

class TestTableView : public QObject, ShownMainWindow {
    Q_OBJECT

    TZfkButton97* Button(int z) { return ElementButtons[z - 1]; }
    void Select(int z)
    {
        if (z == 0)
            form->ClearSelection();
        else
            Button(z)->Click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Show());
        QCOMPARE(form->focusWidget(), form->Szukaj);
    }

    void cleanupTestCase() { form.reset(); }

    void init()
    {
        form->ClearSelection();
        messages.boxes.clear();
    }

    void cleanup() { QCOMPARE(messages.boxes.size(), 0); }

    void leftClickLatchesOneButtonAndFillsPanel()
    {
        QTest::mouseClick(Button(26), Qt::LeftButton);
        QCOMPARE(SelectedElement, 26);
        QCOMPARE(LatchedElements(), QList<int>{26});
        QCOMPARE(PanelValue(*form, 0), QStringLiteral("Fe - Żelazo"));

        QTest::mouseClick(Button(11), Qt::LeftButton);
        QCOMPARE(SelectedElement, 11);
        QCOMPARE(LatchedElements(), QList<int>{11});
        QCOMPARE(PanelValue(*form, 0), QStringLiteral("Na - Sód"));

        // A second click on the latched button changes nothing: the panel is
        // not even written again.
        form->Dane->item(3, 1)->setText(QStringLiteral("marker"));
        QTest::mouseClick(Button(11), Qt::LeftButton);
        QCOMPARE(PanelValue(*form, 3), QStringLiteral("marker"));
        QCOMPARE(LatchedElements(), QList<int>{11});
    }

    void rightClickSelectsOrReleases()
    {
        QTest::mouseClick(Button(26), Qt::LeftButton);

        // On a button that is not latched a right click selects, like a left one.
        QTest::mouseClick(Button(12), Qt::RightButton);
        QCOMPARE(SelectedElement, 12);
        QCOMPARE(LatchedElements(), QList<int>{12});
        QCOMPARE(PanelValue(*form, 0), QStringLiteral("Mg - Magnez"));

        // On the latched one it clears the selection, and the release that
        // follows does not select it again.
        QTest::mouseClick(Button(12), Qt::RightButton);
        QCOMPARE(SelectedElement, -1);
        QVERIFY(LatchedElements().isEmpty());
        QCOMPARE(PanelValues(*form), QStringList(13, QString()));

        // It is an ordinary button again: a left click selects it.
        QTest::mouseClick(Button(12), Qt::LeftButton);
        QCOMPARE(SelectedElement, 12);
    }

    void arrowKeysWalkTheNeighbours_data()
    {
        QTest::addColumn<int>("from"); // 0: nothing selected
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to"); // equal to from: nothing happens
        QTest::newRow("nothing, Down") << 0 << int(Qt::Key_Down) << 1;
        QTest::newRow("nothing, Left") << 0 << int(Qt::Key_Left) << 1;
        QTest::newRow("nothing, Up") << 0 << int(Qt::Key_Up) << 1;
        QTest::newRow("H Left") << 1 << int(Qt::Key_Left) << 1;
        QTest::newRow("H Up") << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("H Right") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("H Down") << 1 << int(Qt::Key_Down) << 3;
        QTest::newRow("Hg Down") << 80 << int(Qt::Key_Down) << 69;
        QTest::newRow("Tm Up") << 69 << int(Qt::Key_Up) << 80;
        QTest::newRow("Bi Down") << 83 << int(Qt::Key_Down) << 111;
        QTest::newRow("Rg Up") << 111 << int(Qt::Key_Up) << 79;
        QTest::newRow("Fe Up") << 26 << int(Qt::Key_Up) << 12;
        QTest::newRow("Co Up") << 27 << int(Qt::Key_Up) << 13;
        QTest::newRow("Th Down") << 90 << int(Qt::Key_Down) << 90;
        QTest::newRow("Lr Down") << 103 << int(Qt::Key_Down) << 103;
        QTest::newRow("Lr Right") << 103 << int(Qt::Key_Right) << 103;
        QTest::newRow("Ne Right") << 10 << int(Qt::Key_Right) << 10;
        QTest::newRow("La Right") << 57 << int(Qt::Key_Right) << 72;
    }
    void arrowKeysWalkTheNeighbours()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Select(from);
        // Markers show whether anything was written: a move refills the
        // panel, a key without a neighbour leaves it alone, and the status
        // line is never touched by the keyboard.
        form->Dane->item(2, 1)->setText(QStringLiteral("marker"));
        form->SetStatus(QStringLiteral("status"));

        QTest::keyClick(form->Szukaj, Qt::Key(key));

        QCOMPARE(SelectedElement, to);
        QCOMPARE(LatchedElements(), QList<int>{to});
        QCOMPARE(PanelValue(*form, 2), to == from ? QStringLiteral("marker") : QString::number(to));
        QCOMPARE(form->Podglad->text(), QStringLiteral("status"));
    }

    void arrowKeyStillMovesTheCaret()
    {
        Select(26);
        form->Szukaj->setText(QStringLiteral("ABC"));
        form->Szukaj->setCursorPosition(3);
        QTest::keyClick(form->Szukaj, Qt::Key_Left);
        QCOMPARE(SelectedElement, 25);
        QCOMPARE(form->Szukaj->cursorPosition(), 2);
        QTest::keyClick(form->Szukaj, Qt::Key_Right);
        QCOMPARE(SelectedElement, 26);
        QCOMPARE(form->Szukaj->cursorPosition(), 3);
        QCOMPARE(form->Szukaj->text(), QStringLiteral("ABC"));
        form->Szukaj->clear();
    }

    void pointingAtAButtonShowsNameGroupAndPeriod_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<QString>("status");
        QTest::newRow("He") << 2 << "He - Hel okres 1 grupa 18";
        QTest::newRow("Fe") << 26 << "Fe - Żelazo okres 4 grupa 8";
        QTest::newRow("La") << 57 << "La - Lantan okres 6 grupa 3";
        QTest::newRow("Ce") << 58 << "Ce - Cer okres 6 grupa 1";
        QTest::newRow("Th") << 90 << "Th - Tor okres 7 grupa 1";
        QTest::newRow("Lr") << 103 << "Lr - Lorens okres 7 grupa 14";
        QTest::newRow("Ds") << 110 << "Ds - Darmsztadt okres 7 grupa 10";
    }
    void pointingAtAButtonShowsNameGroupAndPeriod()
    {
        QFETCH(int, z);
        QFETCH(QString, status);
        PointAt(Button(z));
        QCOMPARE(form->Podglad->text(), status);
        // The status line grows with its text.
        QVERIFY(form->Podglad->width() >= form->Podglad->sizeHint().width());
        Leave(Button(z));
        QCOMPARE(form->Podglad->text(), QString());
        QCOMPARE(SelectedElement, -1); // pointing selects nothing
    }

    void pointingAtCornersAndOutsideNamesTheBand()
    {
        // The button's far corner still belongs to its own group and period.
        PointAt(Button(26), QPoint(30, 21));
        QCOMPARE(form->Podglad->text(), QStringLiteral("Fe - Żelazo okres 4 grupa 8"));
        Leave(Button(26));

        // Outside the table's bands the name is directly followed by the error text.
        QCursor::setPos(form->mapToGlobal(QPoint(5, 5)));
        form->ShowElementStatus(26);
        QCOMPARE(form->Podglad->text(), QStringLiteral("Fe - ŻelazoFATAL ERROR!"));
        QCursor::setPos(form->mapToGlobal(QPoint(700, 330)));
        form->ShowElementStatus(1);
        QCOMPARE(form->Podglad->text(), QStringLiteral("H - WodórFATAL ERROR!"));
    }

    void latinNamesReachStatusPanelAndScreenReaders()
    {
        Select(8);
        form->SetLatin(true);
        QCOMPARE(PanelValue(*form, 0), QStringLiteral("O - Oxygenium"));
        PointAt(Button(26));
        QCOMPARE(form->Podglad->text(), QStringLiteral("Fe - Ferrum okres 4 grupa 8"));
        Leave(Button(26));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Button(26));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Fe - Ferrum"));
        // The other rows and the buttons' captions stay as they were.
        QCOMPARE(PanelValue(*form, 1), QStringLiteral("gaz"));
        QCOMPARE(Button(26)->Caption(), QStringLiteral("Fe"));

        form->SetLatin(false);
        QCOMPARE(PanelValue(*form, 0), QStringLiteral("O - Tlen"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Fe - Żelazo"));
        QCOMPARE(SelectedElement, 8);
    }

    void everyButtonHasItsAccessibleName()
    {
        for (int z = 1; z <= ElementCount; ++z) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Button(z));
            QVERIFY(iface);
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromStdString(ShortTable[z - 1].Symbol)
                                                         + QStringLiteral(" - ")
                                                         + QString::fromStdString(ShortTable[z - 1].PolishName));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(Button(111))->text(QAccessible::Name),
                 QStringLiteral("Rg - Roentgen"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Button(1))->text(QAccessible::Name),
                 QStringLiteral("H - Wodór"));
    }

    void panelCellsAreReadable()
    {
        Select(8);
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(form->Dane);
        QVERIFY(grid);
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 13);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Pierwiastek:"));
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("O - Tlen"));
        QCOMPARE(table->cellAt(5, 0)->text(QAccessible::Name), QStringLiteral("Elektrouj.[eV]:"));
        QCOMPARE(table->cellAt(5, 1)->text(QAccessible::Name), QStringLiteral("3.5"));
        QCOMPARE(table->cellAt(12, 1)->text(QAccessible::Name), QStringLiteral("K: 2 L: 6 M: 0 N: 0 O: 0 P: 0 Q: 0"));
    }

    void panelShowsTheRecord()
    {
        Select(1);
        QCOMPARE(PanelValues(*form),
                 (QStringList{"H - Wodór", "gaz", "1", "1.00794", "amfoteryczny", "2.1", "0.0899", "-259.34 C",
                              "-252.88 C", "3", "1766", "30", "K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0"}));
        Select(85);
        for (int row : {6, 7, 8, 11})
            QCOMPARE(PanelValue(*form, row), QStringLiteral("b.d."));
        const QStringList captions = {
            "Pierwiastek:",    "Stan skup.:",   "Liczba at.:",   "Masa at.[u]:", "Char. tleku:",
            "Elektrouj.[eV]:", "Gęst.[g/cm3]:", "Temp. topn.:",  "Temp. wrz.:",  "Liczba izot.:",
            "R. odkrycia:",    "Promień at.:",  "Konf. elektr.:"};
        for (int row = 0; row < 13; ++row)
            QCOMPARE(form->Dane->item(row, 0)->text(), captions[row]);
        form->ClearSelection();
        QCOMPARE(PanelValues(*form), QStringList(13, QString()));
        QCOMPARE(form->Dane->item(0, 0)->text(), QStringLiteral("Pierwiastek:"));
    }

    void pointingAtPanelRows_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("status"); // "-" : the status line is left alone
        QTest::newRow("y=0") << 0 << "-";
        QTest::newRow("y=1") << 1 << "Pierwiastek O - Tlen";
        QTest::newRow("y=15") << 15 << "Pierwiastek O - Tlen";
        QTest::newRow("y=16") << 16 << "Stan skupienia: gaz";
        QTest::newRow("y=80") << 80 << "Elejktroujemność wg. Paulinga [eV]: 3.5";
        QTest::newRow("y=95") << 95 << "Elejktroujemność wg. Paulinga [eV]: 3.5";
        QTest::newRow("y=96") << 96 << "Gęstość [g/cm sześcienny]: 1.429";
        QTest::newRow("y=207") << 207 << "Konfiguracja elektronowa: K: 2 L: 6 M: 0 N: 0 O: 0 P: 0 Q: 0";
        QTest::newRow("y=208") << 208 << "-";
        QTest::newRow("y=300") << 300 << "-";
    }
    void pointingAtPanelRows()
    {
        QFETCH(int, y);
        QFETCH(QString, status);
        Select(8);
        form->SetStatus(QStringLiteral("before"));
        form->DaneMouseMove(10, y);
        QCOMPARE(form->Podglad->text(), status == QLatin1String("-") ? QStringLiteral("before") : status);
    }

    void panelRowsUnderTheRealPointer()
    {
        // The drawn rows are where the status text says they are: 16 pixels
        // apart from the top of the grid's cell area.
        for (int row = 0; row < 13; ++row)
            QCOMPARE(form->Dane->rowViewportPosition(row), 16 * row);
        Select(8);
        Move(form->Dane->viewport(), QPoint(20, 16 * 9 + 8));
        QCOMPARE(form->Podglad->text(), QStringLiteral("Liczba izotopów stałych: 12"));

        // Nothing selected: the long name and a single space.
        form->ClearSelection();
        Move(form->Dane->viewport(), QPoint(20, 16 * 8 + 3));
        QCOMPARE(form->Podglad->text(), QStringLiteral("Temperatura wrzenia: "));
    }

    void clickingThePanelLeavesFocusInSearchBox()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Szukaj->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), form->Szukaj);
        QTest::mouseClick(form->Dane->viewport(), Qt::LeftButton, {}, QPoint(30, 40));
        QCOMPARE(QApplication::focusWidget(), form->Szukaj);
        form->Dane->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), form->Szukaj);
    }

    void toolbarButtonsExplainThemselvesWhenPointedAt_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hint"); // "-" : the status line is left alone
        QTest::newRow("Kopiuj dane") << "OriginalToolbarButton971"
                                     << "Kopiuj dane do schowka systemowego";
        QTest::newRow("Zapisz dane") << "OriginalToolbarButton972"
                                     << "Zapisz dane do pliku tekstowego";
        QTest::newRow("Wydrukuj dane") << "OriginalToolbarButton973"
                                       << "Wydrukuj dane (raport)";
        QTest::newRow("Wydruk Zefiraku") << "OriginalToolbarButton974"
                                         << "-";
        QTest::newRow("Wydruk Raportu") << "ToolbarButton971"
                                        << "-";
        QTest::newRow("Informacja") << "ToolbarButton974"
                                    << "-";
    }
    void toolbarButtonsExplainThemselvesWhenPointedAt()
    {
        QFETCH(QString, button);
        QFETCH(QString, hint);
        auto* b = form->findChild<QToolButton*>(button);
        QVERIFY(b);
        const bool touches = hint != QLatin1String("-");
        form->SetStatus(QStringLiteral("before"));
        QVERIFY(!HasPureBlueText(b));

        Enter(b);
        QCOMPARE(b->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
        QVERIFY(HasPureBlueText(b));
        QCOMPARE(form->Podglad->text(), touches ? hint : QStringLiteral("before"));

        form->SetStatus(QStringLiteral("between"));
        Leave(b);
        QCOMPARE(b->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
        QVERIFY(!HasPureBlueText(b));
        QCOMPARE(form->Podglad->text(), touches ? QString() : QStringLiteral("between"));
    }

    void pictureButtonsSwapPicturesAndExplain()
    {
        struct Case {
            QToolButton* button;
            ToolbarPictureKind kind;
            QString hint;
        };
        for (const Case& c :
             {Case{form->ToolbarButton973, ToolbarPictureKind::Minimise, QStringLiteral("Minimalizacja programu")},
              Case{form->ToolbarButton972, ToolbarPictureKind::Close, QStringLiteral("Wyjście z aplikacji")}}) {
            QCOMPARE(IconImage(c.button), ToolbarPicture(c.kind, false));
            Enter(c.button);
            QCOMPARE(IconImage(c.button), ToolbarPicture(c.kind, true));
            QCOMPARE(form->Podglad->text(), c.hint);
            Leave(c.button);
            QCOMPARE(IconImage(c.button), ToolbarPicture(c.kind, false));
            QCOMPARE(form->Podglad->text(), QString());
        }
    }

    void searchHintsAndBanner()
    {
        Enter(form->SzukajButton);
        QCOMPARE(form->Podglad->text(),
                 QStringLiteral("Kliknij na ten przycisk aby wyświetlić dane o szukanym przez ciebie pierwiastku"));
        Move(form->Szukaj, QPoint(5, 5));
        QCOMPARE(form->Podglad->text(), QString());
        Leave(form->SzukajButton);

        Move(form->Image1, QPoint(10, 10));
        QCOMPARE(form->Podglad->text(), QStringLiteral("Kliknij aby wyświetlić informacje o programie"));
        Move(form->szukany, QPoint(2, 2));
        QCOMPARE(form->Podglad->text(), QString());

        form->SetStatus(QStringLiteral("before"));
        const QPoint bare(600, 60);
        QCOMPARE(form->childAt(bare), nullptr);
        Move(form.get(), bare);
        QCOMPARE(form->Podglad->text(), QString());
    }

    void legendLabelsStayInsideTheirBevel()
    {
        // Each coloured label shows its whole text and its colour ends
        // inside the bevel's frame.
        const QImage shot = Shot(form.get());
        const QRect bevel = form->Bevel1->geometry();
        const int innerRight = bevel.right() - form->Bevel1->frameWidth();
        struct Case {
            QLabel* label;
            QString text;
            QRgb face;
        };
        for (const Case& c : {Case{form->Label34, QStringLiteral("    Metale   "), qRgb(0, 255, 0)},
                              Case{form->Label35, QStringLiteral("Półmetale "), qRgb(0, 255, 255)},
                              Case{form->Label36, QStringLiteral("Niemetale "), qRgb(255, 255, 0)}}) {
            QCOMPARE(c.label->text(), c.text);
            const int advance = QFontMetrics(c.label->font()).horizontalAdvance(c.text);
            QVERIFY2(advance <= c.label->contentsRect().width(), qPrintable(c.text));
            const int y = c.label->geometry().center().y();
            int last = -1;
            for (int x = c.label->x(); x < bevel.right() + 20; ++x)
                if (shot.pixel(x, y) == c.face)
                    last = x;
            QVERIFY2(last >= c.label->x() + advance - 1, qPrintable(c.text));
            QVERIFY2(
                last <= innerRight,
                qPrintable(QStringLiteral("%1 ends at %2, the frame at %3").arg(c.text).arg(last).arg(innerRight)));
        }
    }

    void pressOnBareSurfaceDragsTheWindow()
    {
        // Without a window manager's move the window follows the pointer
        // itself until the button is released.
        const QPoint start = form->pos();
        const QPoint bare(600, 60);
        QCOMPARE(form->childAt(bare), nullptr);
        Press(form.get(), bare);
        Move(form.get(), bare + QPoint(30, 20), Qt::LeftButton);
        Release(form.get(), bare + QPoint(30, 20));
        QCOMPARE(form->pos(), start + QPoint(30, 20));
        Move(form.get(), bare + QPoint(50, 50));
        QCOMPARE(form->pos(), start + QPoint(30, 20));

        // A press on a label is not a press on the bare surface.
        QLabel* label = form->Label37;
        Press(label, QPoint(2, 2));
        Move(form.get(), label->pos() + QPoint(40, 40), Qt::LeftButton);
        Release(form.get(), label->pos() + QPoint(40, 40));
        QCOMPARE(form->pos(), start + QPoint(30, 20));
        form->move(start);
    }

    void minimiseButtonMinimises()
    {
        QTest::mouseClick(form->ToolbarButton973, Qt::LeftButton);
        QTRY_VERIFY(form->isMinimized());
        form->showNormal();
        QTRY_VERIFY(!form->isMinimized());
    }
};

QTEST_MAIN(TestTableView)
#include "tst_tableview.moc"
