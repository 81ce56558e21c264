#include "formfixture.h"

#include <QFontInfo>

#include <cmath>

#include <sys/stat.h>

// The widgets of the classic layout, as its table names them.
static const char *const Elements[] = {"Frame2", "Option5", "Option4", "Option3", "Option2", "Option1", "Label8", "Toolbar1", "Cuadro_Principal", "List1",
    "List2", "List3", "List4", "Frame1", "Label1", "Image4", "Image3", "Label10", "Label9", "Texto_Narracion", "Image2", "Image1", "Label6", "Label7", "Label5", "Label2", "Label3", "Label4"};

struct Shown { QRect place; int pixels; const QWidget *parent; };

static QByteArray drawing(const char *colour, const QByteArray &extra = {})
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"121\" "
           "height=\"143\"><rect width=\"121\" height=\"143\" fill=\"" + QByteArray(colour) + "\"/>" + extra + "</svg>";
}

// The classic layout shown larger: picked in "&Ver", by a window made larger
// or over the whole screen, and kept for the next start; the statistics
// window and the About box follow it, and crests are drawn sharp.
class TestScaledLayout : public FormFixture
{
    Q_OBJECT

    void show()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    QWidget *stage() { return part("Form1_Client"); }
    QMap<QString, Shown> shown()
    {
        QMap<QString, Shown> all;
        for (const char *name : Elements) {
            const QWidget *element = part(name);
            all.insert(name, {element->geometry(), QFontInfo(element->font()).pixelSize(), element->parentWidget()});
        }
        return all;
    }
    void openAndPlayToHalfTime()
    {
        open(Sample);
        click(2);
        playToStop(*m_window);
    }

private slots:
    void init() { newFolder(); show(); }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // Over the whole screen, at the largest size that fits, every element
    // keeps its place and font in proportion (its edges within half a pixel
    // of the scaled ones, its font the whole pixel size at or below the scaled
    // one), elements that stood apart stay apart, and the client area is
    // centred. Back at 100 % the window shows exactly what it showed before.
    void scaledLayout()
    {
        openAndPlayToHalfTime();
        const QMap<QString, Shown> before = shown();
        const QImage ownSize = m_window->centralWidget()->grab().toImage();

        command("Pantalla_Completa");
        QWidget *room = m_window->centralWidget();
        QTRY_VERIFY(room->width() > stage()->width());
        QVERIFY(part<QAction>("Pantalla_Completa")->isChecked());
        const qreal scale = std::round(stage()->width() * 20.0 / 676) / 20;
        const QSize nextStep(std::lround(676 * (scale + 0.05)), std::lround(508 * (scale + 0.05)));
        QVERIFY(room->width() < nextStep.width() || room->height() < nextStep.height());
        const QRect placed = stage()->geometry(); // centred: as much room on either side
        QVERIFY(std::abs(2 * placed.left() + placed.width() - room->width()) <= 1 && std::abs(2 * placed.top() + placed.height() - room->height()) <= 1);

        const QMap<QString, Shown> after = shown();
        const auto near = [scale](int edge, int ownEdge) { return std::abs(edge - ownEdge * scale) <= 0.5; };
        for (auto [name, was] : before.asKeyValueRange()) {
            const QRect a = was.place, b = after.value(name).place;
            QVERIFY2(near(b.left(), a.left()) && near(b.top(), a.top()) && near(b.x() + b.width(), a.x() + a.width())
                         && near(b.y() + b.height(), a.y() + a.height()), qPrintable(name));
            QVERIFY2(after.value(name).pixels <= was.pixels * scale && after.value(name).pixels > was.pixels * scale - 1, qPrintable(name));
            for (auto [other, otherWas] : before.asKeyValueRange()) {
                if (other != name && otherWas.parent == was.parent && !a.intersects(otherWas.place))
                    QVERIFY2(!b.intersects(after.value(other).place), qPrintable(name + " and " + other));
            }
        }
        command("Pantalla_Completa");
        command("Tamano100");
        QTRY_COMPARE(m_window->centralWidget()->grab().toImage(), ownSize);
    }

    // A size picked in "&Ver" is kept beside the recent reports (in the form
    // the user-choices test reads), never in TPZ.INI, and the next start
    // opens at that size.
    void keptForTheNextStart()
    {
        const QByteArray settings = "[General]\r\n[COLORFONDO]=255\r\n";
        writeFile(file("TPZ.INI"), settings);
        command("Tamano150");
        restart();
        show();
        QTRY_COMPARE(stage()->size(), QSize(1014, 762));
        QVERIFY(part<QAction>("Tamano150")->isChecked());
        QCOMPARE(fileText(file("TPZ.INI")), settings);
    }

    // The statistics window and the About box open at the main window's size.
    void dialogsFollow()
    {
        openAndPlayToHalfTime();
        click(2);
        playToStop(*m_window);
        command("Tamano150");
        QStringList sizes;
        // The size of each dialog and the pixel sizes of the fonts in it.
        const auto measure = [&sizes] {
            QWidget *dialog = QApplication::activeModalWidget();
            QStringList fonts;
            for (const QWidget *part : dialog->findChildren<QWidget *>())
                fonts << QString::number(QFontInfo(part->font()).pixelSize());
            fonts.removeDuplicates();
            sizes << QStringLiteral("%1x%2 %3").arg(dialog->width()).arg(dialog->height()).arg(fonts.join(u','));
            dialog->close();
        };
        QTimer::singleShot(0, this, measure);
        toolbarButton(*m_window, 4)->trigger();
        QTimer::singleShot(0, this, measure);
        command("Acerca");
        QCOMPARE(sizes, QStringList({"861x479 19", "438x314 " + QString::number(int(QFontInfo(QFont()).pixelSize() * 1.5))}));
    }

    // Where escudos/ also holds a drawing of a crest, a crest shown larger
    // than its GIF is drawn from it; a drawing that would read a file (here a
    // pipe) is passed over for the GIF.
    void sharpCrests_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("expected");
        QTest::newRow("larger: the drawing") << QByteArray() << "#0000ff 242x286";
        QTest::newRow("a drawing that reads a pipe: the GIF") << QByteArray("<image width=\"121\" height=\"143\" xlink:href=\"tuberia\"/>") << "#ff0000 242x286";
    }

    void sharpCrests()
    {
        QFETCH(QByteArray, extra);
        QCOMPARE(mkfifo(qPrintable(file("tuberia")), 0600), 0);
        QImage gif(121, 143, QImage::Format_RGB32);
        gif.fill(Qt::red);
        QVERIFY(gif.save(file("escudos/RCAR.gif"), "PNG"));
        writeFile(file("escudos/RCAR.svg"), drawing("#0000ff", extra.replace("tuberia", file("tuberia").toUtf8())));
        alarm(10);
        openAndPlayToHalfTime();
        command("Tamano200");
        alarm(0);
        QTRY_COMPARE(m_window->centralWidget()->size(), stage()->size());
        // The colour in the middle of the crest as drawn, and the pixels it was drawn in.
        const QImage drawn = part<QLabel>("Image1")->pixmap().toImage();
        QTEST(QStringLiteral("%1 %2x%3").arg(drawn.pixelColor(drawn.rect().center()).name()).arg(drawn.width()).arg(drawn.height()), "expected");
    }
};

QTEST_MAIN(TestScaledLayout)
#include "tst_scaledlayout.moc"
