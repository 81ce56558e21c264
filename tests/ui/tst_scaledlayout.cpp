#include "formfixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>

#include <cmath>

#include <sys/stat.h>

namespace {

// The widgets of the classic layout, as its table names them.
const char *const Elements[] = {"Frame2",  "Option5", "Option4", "Option3", "Option2", "Option1", "Label8",
                                "Toolbar1", "Cuadro_Principal", "List1", "List2", "List3", "List4", "Frame1",
                                "Label1",  "Image4",  "Image3",  "Label10", "Label9",  "Texto_Narracion",
                                "Image2",  "Image1",  "Label6",  "Label7",  "Label5",  "Label2", "Label3", "Label4"};

struct Shown
{
    QRect place;
    int pixels;
    const QWidget *parent;
};

QImage picture(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray drawing(const char *colour, const QByteArray &extra = {})
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"121\" "
           "height=\"143\"><rect width=\"121\" height=\"143\" fill=\"" + QByteArray(colour) + "\"/>" + extra + "</svg>";
}

} // namespace

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
    // The colour in the middle of a crest as drawn, and the pixels it was drawn in.
    QString crest(const char *image)
    {
        const QImage drawn = part<QLabel>(image)->pixmap().toImage();
        return QStringLiteral("%1 %2x%3").arg(drawn.pixelColor(drawn.rect().center()).name()).arg(drawn.width()).arg(drawn.height());
    }

private slots:
    void init()
    {
        newFolder();
        show();
    }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // At each size every element keeps its place and font in proportion (its
    // edges within half a pixel of the scaled ones, its font the whole pixel
    // size at or below the scaled one), elements that stood apart stay
    // apart, and the client area fills a window made for that size or is
    // centred in a larger one. Back at 100 % the window shows exactly what it
    // showed before.
    void scaledLayout_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("percent"); // 0: the largest that fits

        QTest::newRow("125 %") << "Tamano125" << 125;
        QTest::newRow("200 %") << "Tamano200" << 200;
        QTest::newRow("full screen: the largest size that fits") << "Pantalla_Completa" << 0;
    }

    void scaledLayout()
    {
        QFETCH(QString, entry);
        QFETCH(int, percent);
        openAndPlayToHalfTime();
        const QMap<QString, Shown> before = shown();
        const QImage ownSize = m_window->centralWidget()->grab().toImage();

        command(qPrintable(entry));
        QWidget *room = m_window->centralWidget();
        if (percent)
            QTRY_COMPARE(room->size(), stage()->size());
        else
            QTRY_VERIFY(room->width() > stage()->width());
        const qreal scale = std::round(stage()->width() * 20.0 / 676) / 20;
        QVERIFY(percent == 0 || scale == percent / 100.0);
        const QSize nextStep(std::lround(676 * (scale + 0.05)), std::lround(508 * (scale + 0.05)));
        QVERIFY(room->width() < nextStep.width() || room->height() < nextStep.height());
        const QRect placed = stage()->geometry();
        const QMargins around(placed.left(), placed.top(), room->width() - placed.right() - 1, room->height() - placed.bottom() - 1);
        QVERIFY(std::abs(around.left() - around.right()) <= 1 && std::abs(around.top() - around.bottom()) <= 1);
        QVERIFY(part<QAction>(entry)->isChecked());

        const QMap<QString, Shown> after = shown();
        for (auto [name, was] : before.asKeyValueRange()) {
            const QRect a = was.place;
            const QRect b = after.value(name).place;
            const auto near = [scale](int edge, int ownEdge) { return std::abs(edge - ownEdge * scale) <= 0.5; };
            QVERIFY2(near(b.left(), a.left()) && near(b.top(), a.top()) && near(b.x() + b.width(), a.x() + a.width())
                         && near(b.y() + b.height(), a.y() + a.height()),
                     qPrintable(name));
            const int pixels = after.value(name).pixels;
            QVERIFY2(pixels <= was.pixels * scale && pixels > was.pixels * scale - 1, qPrintable(name));
            for (auto [other, otherWas] : before.asKeyValueRange()) {
                if (other != name && otherWas.parent == was.parent && !a.intersects(otherWas.place))
                    QVERIFY2(!b.intersects(after.value(other).place), qPrintable(name + " and " + other));
            }
        }
        QCOMPARE(crest("Image1").section(' ', 1), QStringLiteral("%1x%2").arg(after["Image1"].place.width()).arg(after["Image1"].place.height()));

        if (entry == u"Pantalla_Completa")
            command("Pantalla_Completa");
        command("Tamano100");
        QTRY_COMPARE(m_window->centralWidget()->grab().toImage(), ownSize);
    }

    // The size picked is kept beside the recent reports (in the form the
    // user-choices test reads), never in TPZ.INI, and the next start opens
    // at that size.
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
            for (const QWidget *part : dialog->findChildren<QWidget *>()) {
                const QString pixels = QString::number(QFontInfo(part->font()).pixelSize());
                if (!fonts.contains(pixels))
                    fonts << pixels;
            }
            sizes << QStringLiteral("%1x%2 %3").arg(dialog->width()).arg(dialog->height()).arg(fonts.join(u','));
            dialog->close();
        };
        QTimer::singleShot(0, this, measure);
        toolbarButton(*m_window, 4)->trigger();
        QTimer::singleShot(0, this, measure);
        command("Acerca");
        QCOMPARE(sizes, QStringList({"861x479 19", "438x314 " + QString::number(int(QFontInfo(QFont()).pixelSize() * 1.5))}));
    }

    // Where escudos/ also holds a drawing or a larger picture of a crest, a
    // crest shown larger than its GIF is drawn from it; at its GIF's own size
    // the GIF shows as it always did, and the GIF stays what the crest falls
    // back to. A drawing that would read a file (here a pipe) is passed over.
    void sharpCrests_data()
    {
        QTest::addColumn<QString>("files"); // g GIF, s drawing, p PNG, r a drawing reading a pipe
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");

        QTest::newRow("GIF at its own size, a drawing beside it") << "gs" << "Tamano100" << "#ff0000 121x143";
        QTest::newRow("larger: the drawing") << "gs" << "Tamano200" << "#0000ff 242x286";
        QTest::newRow("larger: a larger picture") << "gp" << "Tamano150" << "#00ff00 182x215";
        QTest::newRow("a drawing that reads a pipe: the GIF") << "gr" << "Tamano200" << "#ff0000 242x286";
    }

    void sharpCrests()
    {
        QFETCH(QString, files);
        QCOMPARE(mkfifo(qPrintable(file("tuberia")), 0600), 0);
        if (files.contains(u'g'))
            QVERIFY(picture({121, 143}, Qt::red).save(file("escudos/RCAR.gif"), "PNG"));
        if (files.contains(u'p'))
            QVERIFY(picture({484, 572}, Qt::green).save(file("escudos/RCAR.png"), "PNG"));
        if (files.contains(u's'))
            writeFile(file("escudos/rcar.svg"), drawing("#0000ff"));
        if (files.contains(u'r'))
            writeFile(file("escudos/RCAR.svg"),
                      drawing("#0000ff", "<image width=\"121\" height=\"143\" xlink:href=\"" + file("tuberia").toUtf8() + "\"/>"));
        QFETCH(QString, entry);
        alarm(10);
        openAndPlayToHalfTime();
        command(qPrintable(entry));
        alarm(0);
        QTRY_COMPARE(m_window->centralWidget()->size(), stage()->size());
        QTEST(crest("Image1"), "expected");
    }
};

QTEST_MAIN(TestScaledLayout)
#include "tst_scaledlayout.moc"
