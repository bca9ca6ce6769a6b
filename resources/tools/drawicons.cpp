// Draws the icons and pictures of the three programs into
// resources/icons/. Run once by hand after changing a drawing; the PNGs are
// what the build uses, this program is not part of it.
//
//   g++ -std=c++17 -fPIC drawicons.cpp -o /tmp/drawicons $(pkg-config --cflags --libs Qt5Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/drawicons ../icons

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

QString outDir;

QPolygonF poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

const QColor Blue(0x1e, 0x5a, 0xc8);
const QColor DarkBlue(0x12, 0x32, 0x78);
const QColor Green(0x1f, 0x9d, 0x3a);
const QColor Red(0xd2, 0x23, 0x23);
const QColor Orange(0xf0, 0x8c, 0x00);
const QColor Grey(0x55, 0x5a, 0x64);
const QColor LightGrey(0xd8, 0xdc, 0xe2);

void save(const char *name, int w, int h, const std::function<void(QPainter &)> &draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
    p.end();
    const QString file = outDir + QLatin1Char('/') + QLatin1String(name);
    if (!img.save(file, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

QFont boldFont(qreal pixels)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(qRound(pixels));
    return f;
}

void text(QPainter &p, const QRectF &r, const QString &s, qreal pixels, const QColor &c, int flags = Qt::AlignCenter)
{
    p.setFont(boldFont(pixels));
    p.setPen(c);
    p.drawText(r, flags, s);
}

// A straight arrow from a to b with a filled head.
void arrow(QPainter &p, QPointF a, QPointF b, const QColor &c, qreal width, qreal head)
{
    const QLineF line(a, b);
    const qreal angle = qDegreesToRadians(line.angle());
    const QPointF dir(std::cos(angle), -std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = b - dir * head;
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, base);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly({b, base + normal * head * 0.6, base - normal * head * 0.6}));
}

void roundBox(QPainter &p, const QRectF &r, const QColor &fill, const QColor &border, qreal radius = 3)
{
    p.setPen(QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

// Ethernet socket seen from the front.
void socket(QPainter &p, const QRectF &r, const QColor &body)
{
    roundBox(p, r, body, body.darker(160), 2);
    const qreal w = r.width(), h = r.height();
    QPolygonF hole;
    hole << QPointF(r.left() + w * 0.15, r.top() + h * 0.3) << QPointF(r.right() - w * 0.15, r.top() + h * 0.3)
         << QPointF(r.right() - w * 0.15, r.bottom() - h * 0.15) << QPointF(r.left() + w * 0.65, r.bottom() - h * 0.15)
         << QPointF(r.left() + w * 0.65, r.bottom() - h * 0.02) << QPointF(r.left() + w * 0.35, r.bottom() - h * 0.02)
         << QPointF(r.left() + w * 0.35, r.bottom() - h * 0.15) << QPointF(r.left() + w * 0.15, r.bottom() - h * 0.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawPolygon(hole);
    p.setBrush(QColor(0xe6, 0xb4, 0x2d));
    for (int i = 0; i < 8; ++i) {
        const qreal x = r.left() + w * 0.2 + i * w * 0.6 / 8;
        p.drawRect(QRectF(x, r.top() + h * 0.3, w * 0.045, h * 0.18));
    }
}

void gear(QPainter &p, QPointF c, qreal outer, qreal inner, int teeth, const QColor &col)
{
    QPainterPath path;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth;
        const qreal a1 = (i + 0.5) * M_PI / teeth;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF p0 = c + QPointF(std::cos(a0), std::sin(a0)) * r;
        const QPointF p1 = c + QPointF(std::cos(a1), std::sin(a1)) * r;
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, inner * 0.45, inner * 0.45);
    p.setPen(QPen(col.darker(150), 1));
    p.setBrush(col);
    p.drawPath(path.subtracted(hole));
}

void clock(QPainter &p, QPointF c, qreal r, const QColor &rim, qreal hourAngle = -60, qreal minuteAngle = 90)
{
    p.setPen(QPen(rim, r * 0.18));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), r * 0.14, Qt::SolidLine, Qt::RoundCap));
    auto hand = [&](qreal deg, qreal len) {
        const qreal a = qDegreesToRadians(deg - 90);
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * len);
    };
    hand(hourAngle, r * 0.5);
    hand(minuteAngle, r * 0.75);
}

// Circular arrow, clockwise, open at the top right.
void circularArrow(QPainter &p, QPointF c, qreal r, const QColor &col, qreal width)
{
    p.setPen(QPen(col, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(box, 60 * 16, 280 * 16);
    const qreal a = qDegreesToRadians(60.0);
    const QPointF tip = c + QPointF(std::cos(a) * r, -std::sin(a) * r);
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    const qreal h = width * 1.6;
    p.drawPolygon(poly({tip + QPointF(-h * 0.9, -h * 0.9), tip + QPointF(h * 1.1, -h * 0.3),
                            tip + QPointF(-h * 0.1, h * 1.2)}));
}

void flagStripes(QPainter &p, int w, int h, const QList<QColor> &colours)
{
    const qreal stripe = qreal(h) / colours.size();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < colours.size(); ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(0, i * stripe, w, stripe + 0.5));
    }
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

void document(QPainter &p, const QRectF &r, const QColor &fold)
{
    const qreal f = r.width() * 0.3;
    const QPolygonF page = poly({r.topLeft(), QPointF(r.right() - f, r.top()), QPointF(r.right(), r.top() + f),
                                 r.bottomRight(), r.bottomLeft()});
    p.setPen(QPen(Grey, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.setBrush(fold);
    p.drawPolygon(poly({QPointF(r.right() - f, r.top()), QPointF(r.right() - f, r.top() + f),
                            QPointF(r.right(), r.top() + f)}));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    // ---- menu and about box ------------------------------------------------
    save("about-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(DarkBlue, 1.5));
        p.setBrush(Blue);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        text(p, QRectF(2, 2, 28, 28), QStringLiteral("i"), 22, Qt::white);
    });
    save("qt-icon.png", 32, 32, [](QPainter &p) {
        roundBox(p, QRectF(2, 4, 28, 24), QColor(0x41, 0xcd, 0x52), QColor(0x2a, 0x8a, 0x36), 5);
        text(p, QRectF(2, 4, 28, 24), QStringLiteral("Qt"), 15, Qt::white);
    });
    save("fonts-icon.png", 32, 32, [](QPainter &p) {
        QFont serif(QStringLiteral("DejaVu Serif"));
        serif.setBold(true);
        serif.setPixelSize(28);
        p.setFont(serif);
        p.setPen(DarkBlue);
        p.drawText(QRectF(0, 0, 24, 32), Qt::AlignCenter, QStringLiteral("A"));
        serif.setPixelSize(16);
        p.setFont(serif);
        p.setPen(Red);
        p.drawText(QRectF(16, 10, 16, 22), Qt::AlignCenter, QStringLiteral("a"));
    });
    save("logon-icon.png", 32, 32, [](QPainter &p) {
        // A person's head and shoulders with a key: the logon of the tester.
        p.setPen(QPen(DarkBlue, 1.5));
        p.setBrush(Blue);
        p.drawEllipse(QRectF(8, 2, 13, 13));
        QPainterPath body;
        body.moveTo(2, 30);
        body.cubicTo(2, 19, 8, 16, 14.5, 16);
        body.cubicTo(21, 16, 27, 19, 27, 30);
        body.closeSubpath();
        p.drawPath(body);
        p.setPen(QPen(Orange.darker(130), 1));
        p.setBrush(Orange);
        p.drawEllipse(QRectF(19, 19, 8, 8));
        p.drawRect(QRectF(25, 21.5, 6, 3));
        p.drawRect(QRectF(28.5, 24.5, 2, 3));
        p.setBrush(Blue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(21.5, 21.5, 3, 3));
    });
    save("header.png", 96, 96, [](QPainter &p) {
        // The tester: a handheld case with its screen and two test ports.
        QLinearGradient g(0, 0, 0, 96);
        g.setColorAt(0, QColor(0x3a, 0x44, 0x52));
        g.setColorAt(1, QColor(0x1c, 0x22, 0x2a));
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(10, 4, 76, 88), 10, 10);
        p.setBrush(QColor(0x10, 0x20, 0x30));
        p.drawRect(QRectF(18, 12, 60, 42));
        p.setPen(QPen(QColor(0, 170, 255), 2));
        QPainterPath trace;
        trace.moveTo(22, 44);
        for (int i = 0; i <= 10; ++i)
            trace.lineTo(22 + i * 5.2, 44 - ((i % 2) ? 20 : 6) + (i > 6 ? 6 : 0));
        p.drawPath(trace);
        text(p, QRectF(18, 12, 60, 14), QStringLiteral("VYR"), 9, QColor(0xa0, 0xe0, 0xa0), Qt::AlignRight | Qt::AlignTop);
        socket(p, QRectF(18, 64, 26, 20), QColor(0xb8, 0xbc, 0xc4));
        socket(p, QRectF(52, 64, 26, 20), QColor(0xb8, 0xbc, 0xc4));
        text(p, QRectF(18, 84, 26, 8), QStringLiteral("A"), 8, Qt::white);
        text(p, QRectF(52, 84, 26, 8), QStringLiteral("B"), 8, Qt::white);
    });

    // ---- connection panel and language buttons -----------------------------
    save("refresh-icon.png", 32, 32, [](QPainter &p) { circularArrow(p, QPointF(16, 17), 10, Green, 4); });
    save("uk-icon.png", 48, 32, [](QPainter &p) {
        const int w = 48, h = 32;
        p.fillRect(QRect(0, 0, w, h), QColor(0x01, 0x21, 0x69));
        p.setPen(QPen(Qt::white, 7));
        p.drawLine(0, 0, w, h);
        p.drawLine(w, 0, 0, h);
        p.setPen(QPen(QColor(0xc8, 0x10, 0x2e), 2.5));
        p.drawLine(0, 0, w, h);
        p.drawLine(w, 0, 0, h);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(w / 2.0 - 5.5, 0, 11, h));
        p.drawRect(QRectF(0, h / 2.0 - 5.5, w, 11));
        p.setBrush(QColor(0xc8, 0x10, 0x2e));
        p.drawRect(QRectF(w / 2.0 - 3, 0, 6, h));
        p.drawRect(QRectF(0, h / 2.0 - 3, w, 6));
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    });
    save("de-icon.png", 48, 32, [](QPainter &p) {
        flagStripes(p, 48, 32, {QColor(0, 0, 0), QColor(0xdd, 0, 0), QColor(0xff, 0xce, 0)});
    });
    save("rus-icon.png", 48, 32, [](QPainter &p) {
        flagStripes(p, 48, 32, {QColor(0xff, 0xff, 0xff), QColor(0x00, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)});
    });

    // ---- test selector (icon size 64 x 32; the port buttons 32 x 32) -------
    save("process.png", 32, 32, [](QPainter &p) { socket(p, QRectF(3, 5, 26, 22), QColor(0xb8, 0xbc, 0xc4)); });
    save("traffic.png", 64, 32, [](QPainter &p) {
        for (int i = 0; i < 3; ++i)
            arrow(p, QPointF(6 + i * 4, 7 + i * 9), QPointF(58, 7 + i * 9), Blue, 4, 8);
    });
    save("rfc2544.png", 64, 32, [](QPainter &p) {
        const int bars[] = {10, 16, 22, 28};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i == 3 ? Orange : Blue);
            p.drawRect(QRectF(4 + i * 7, 30 - bars[i], 5, bars[i]));
        }
        text(p, QRectF(32, 0, 32, 32), QStringLiteral("2544"), 12, DarkBlue);
    });
    save("y1564.png", 64, 32, [](QPainter &p) {
        QPainterPath steps;
        steps.moveTo(3, 29);
        for (int i = 0; i < 4; ++i) {
            steps.lineTo(3 + i * 7, 29 - (i + 1) * 6);
            steps.lineTo(3 + (i + 1) * 7, 29 - (i + 1) * 6);
        }
        p.setPen(QPen(Green, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(steps);
        text(p, QRectF(30, 0, 34, 32), QStringLiteral("1564"), 12, DarkBlue);
    });
    save("mtraffic.png", 64, 32, [](QPainter &p) {
        const QColor colours[] = {Blue, Green, Orange, Red};
        for (int i = 0; i < 4; ++i)
            arrow(p, QPointF(4 + (i % 2) * 8, 5 + i * 7), QPointF(58 - (i % 2) * 4, 5 + i * 7), colours[i], 3, 7);
    });
    save("jitter.png", 64, 32, [](QPainter &p) {
        // Pulses whose spacing varies.
        const qreal starts[] = {4, 13, 25, 31, 44, 53};
        p.setPen(QPen(Blue, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        QPainterPath path;
        path.moveTo(2, 26);
        for (qreal x : starts) {
            path.lineTo(x, 26);
            path.lineTo(x, 8);
            path.lineTo(x + 5, 8);
            path.lineTo(x + 5, 26);
        }
        path.lineTo(62, 26);
        p.drawPath(path);
        p.setPen(QPen(Red, 1.5, Qt::DashLine));
        p.drawLine(QPointF(25, 4), QPointF(25, 30));
        p.drawLine(QPointF(31, 4), QPointF(31, 30));
    });
    save("ptp.png", 64, 32, [](QPainter &p) {
        clock(p, QPointF(16, 16), 12, Blue);
        text(p, QRectF(30, 0, 34, 32), QStringLiteral("PTP"), 13, DarkBlue);
    });
    save("tcp.png", 64, 32, [](QPainter &p) {
        const QPointF nodes[] = {{8, 8}, {8, 24}, {24, 16}, {40, 8}, {40, 24}};
        p.setPen(QPen(Grey, 2));
        p.drawLine(nodes[0], nodes[2]);
        p.drawLine(nodes[1], nodes[2]);
        p.drawLine(nodes[2], nodes[3]);
        p.drawLine(nodes[2], nodes[4]);
        p.setPen(QPen(DarkBlue, 1));
        p.setBrush(Blue);
        for (const QPointF &n : nodes)
            p.drawEllipse(n, 4.5, 4.5);
        text(p, QRectF(44, 0, 20, 32), QStringLiteral("IP"), 12, DarkBlue);
    });
    save("cable.png", 64, 32, [](QPainter &p) {
        QPainterPath wire;
        wire.moveTo(2, 24);
        wire.cubicTo(14, 30, 20, 6, 34, 16);
        p.setPen(QPen(Blue, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wire);
        // The plug: a clear body with its latch and gold contacts.
        roundBox(p, QRectF(34, 8, 22, 16), QColor(0xdd, 0xe6, 0xf0), Grey, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe6, 0xb4, 0x2d));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(57, 9.5 + i * 3.5, 4, 2));
        p.setBrush(Grey);
        p.drawRect(QRectF(38, 4, 12, 4));
    });
    save("opt_test.png", 64, 32, [](QPainter &p) {
        roundBox(p, QRectF(2, 8, 22, 16), QColor(0xc0, 0xc4, 0xcc), Grey, 2);  // module
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawRect(QRectF(20, 12, 6, 8));
        QLinearGradient beam(26, 0, 62, 0);
        beam.setColorAt(0, QColor(255, 40, 40, 255));
        beam.setColorAt(1, QColor(255, 40, 40, 60));
        p.setBrush(beam);
        p.drawPolygon(poly({QPointF(26, 14), QPointF(62, 6), QPointF(62, 26), QPointF(26, 18)}));
        p.setPen(QPen(QColor(0xff, 0xd0, 0xd0), 1.5));
        p.drawLine(QPointF(26, 16), QPointF(62, 16));
    });
    save("oam.png", 64, 32, [](QPainter &p) {
        // Two link ends joined, with a check mark for the maintenance loop.
        roundBox(p, QRectF(2, 11, 10, 10), LightGrey, Grey);
        roundBox(p, QRectF(24, 11, 10, 10), LightGrey, Grey);
        p.setPen(QPen(Blue, 3));
        p.drawLine(QPointF(12, 16), QPointF(24, 16));
        text(p, QRectF(36, 0, 28, 32), QStringLiteral("OAM"), 9, DarkBlue);
        p.setPen(QPen(Green, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(poly({QPointF(12, 6), QPointF(16, 10), QPointF(23, 2)}));
    });
    save("bert.png", 64, 32, [](QPainter &p) {
        const QString bits = QStringLiteral("0110");
        for (int i = 0; i < bits.size(); ++i) {
            const bool error = i == 2;
            roundBox(p, QRectF(2 + i * 15, 6, 13, 20), error ? QColor(0xff, 0xdd, 0xdd) : QColor(0xe6, 0xee, 0xff),
                     error ? Red : Blue, 2);
            text(p, QRectF(2 + i * 15, 6, 13, 20), QString(error ? QChar('0') : bits[i]), 13, error ? Red : DarkBlue);
        }
    });
    save("mdi.png", 64, 32, [](QPainter &p) {
        // A screen fed by a stream of packets.
        roundBox(p, QRectF(30, 4, 30, 20), QColor(0x20, 0x28, 0x38), Grey, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x40, 0xa0, 0xff));
        p.drawPolygon(poly({QPointF(41, 9), QPointF(41, 19), QPointF(50, 14)}));
        p.setBrush(Grey);
        p.drawRect(QRectF(42, 24, 6, 4));
        for (int i = 0; i < 3; ++i) {
            p.setBrush(Orange);
            p.drawRect(QRectF(3 + i * 8, 11, 6, 6));
        }
    });
    save("sync.png", 64, 32, [](QPainter &p) {
        clock(p, QPointF(14, 16), 10, Blue, -30, 60);
        clock(p, QPointF(50, 16), 10, Green, -30, 60);
        arrow(p, QPointF(26, 12), QPointF(39, 12), Grey, 2, 5);
        arrow(p, QPointF(38, 21), QPointF(25, 21), Grey, 2, 5);
    });
    save("trans.png", 64, 32, [](QPainter &p) {
        roundBox(p, QRectF(22, 4, 20, 24), LightGrey, Grey);
        arrow(p, QPointF(2, 16), QPointF(62, 16), Blue, 4, 9);
    });
    save("lb.png", 64, 32, [](QPainter &p) {
        // Traffic turned back where it came from.
        QPainterPath u;
        u.moveTo(4, 8);
        u.lineTo(40, 8);
        u.arcTo(QRectF(32, 8, 16, 16), 90, -180);
        u.lineTo(16, 24);
        p.setPen(QPen(Blue, 4, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(u);
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawPolygon(poly({QPointF(6, 24), QPointF(17, 17), QPointF(17, 31)}));
        roundBox(p, QRectF(52, 4, 10, 24), LightGrey, Grey, 2);
    });
    save("ram.png", 64, 32, [](QPainter &p) {
        // Files moving between the PC and the tester's storage.
        document(p, QRectF(4, 3, 18, 26), LightGrey);
        arrow(p, QPointF(24, 11), QPointF(40, 11), Green, 3, 6);
        arrow(p, QPointF(40, 21), QPointF(24, 21), Blue, 3, 6);
        roundBox(p, QRectF(42, 6, 18, 20), QColor(0x2a, 0x6e, 0x3a), QColor(0x1a, 0x40, 0x22), 1);
        p.setPen(QPen(QColor(0xe6, 0xb4, 0x2d), 1.5));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(45 + i * 4, 26), QPointF(45 + i * 4, 30));
            p.drawLine(QPointF(45 + i * 4, 2), QPointF(45 + i * 4, 6));
        }
    });
    save("statistics.png", 64, 32, [](QPainter &p) {
        p.setPen(QPen(Grey, 1.5));
        p.drawLine(QPointF(4, 2), QPointF(4, 29));
        p.drawLine(QPointF(4, 29), QPointF(34, 29));
        const int bars[] = {12, 20, 8, 24};
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(7 + i * 7, 28 - bars[i], 5, bars[i]));
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Orange);
        p.drawPie(QRectF(38, 4, 24, 24), 0, 120 * 16);
        p.setBrush(Green);
        p.drawPie(QRectF(38, 4, 24, 24), 120 * 16, 140 * 16);
        p.setBrush(Blue);
        p.drawPie(QRectF(38, 4, 24, 24), 260 * 16, 100 * 16);
    });
    save("dev_settings.png", 64, 32, [](QPainter &p) {
        gear(p, QPointF(20, 16), 14, 10, 8, Grey);
        gear(p, QPointF(42, 20), 9, 6.5, 6, QColor(0x88, 0x8e, 0x98));
    });
    save("iface.png", 64, 32, [](QPainter &p) {
        socket(p, QRectF(4, 5, 28, 22), QColor(0xb8, 0xbc, 0xc4));
        gear(p, QPointF(48, 16), 11, 8, 8, Grey);
    });

    // ---- form buttons --------------------------------------------------------
    save("start-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(Green.darker(140), 1.5));
        p.setBrush(Green);
        p.drawPolygon(poly({QPointF(8, 4), QPointF(28, 16), QPointF(8, 28)}));
    });
    save("stop-icon.png", 32, 32, [](QPainter &p) { roundBox(p, QRectF(6, 6, 20, 20), Red, Red.darker(140), 2); });
    save("apply-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(Green, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly({QPointF(5, 17), QPointF(13, 25), QPointF(27, 7)}));
    });
    save("down-icon.png", 32, 32, [](QPainter &p) {
        arrow(p, QPointF(16, 2), QPointF(16, 24), Blue, 6, 12);
        p.fillRect(QRectF(5, 27, 22, 3), Grey);
    });
    save("up-icon.png", 32, 32, [](QPainter &p) {
        arrow(p, QPointF(16, 26), QPointF(16, 4), Blue, 6, 12);
        p.fillRect(QRectF(5, 27, 22, 3), Grey);
    });
    save("del-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(Red, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 7), QPointF(25, 25));
        p.drawLine(QPointF(25, 7), QPointF(7, 25));
    });
    save("img-icon.png", 32, 32, [](QPainter &p) {
        roundBox(p, QRectF(2, 5, 28, 22), QColor(0xcf, 0xe8, 0xff), Grey, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawPolygon(poly({QPointF(3, 26), QPointF(12, 13), QPointF(19, 22), QPointF(23, 17), QPointF(29, 26)}));
        p.setBrush(Orange);
        p.drawEllipse(QPointF(23, 11), 3, 3);
    });
    save("pdf-icon.png", 32, 32, [](QPainter &p) {
        document(p, QRectF(5, 2, 22, 28), LightGrey);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawRect(QRectF(3, 15, 22, 10));
        text(p, QRectF(3, 15, 22, 10), QStringLiteral("PDF"), 8, Qt::white);
    });

    // ---- hop states of the trace route table -------------------------------
    save("ok-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(Green.darker(140), 1.5));
        p.setBrush(Green);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly({QPointF(9, 16), QPointF(14, 21), QPointF(23, 11)}));
    });
    save("info-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(Orange.darker(140), 1.5));
        p.setBrush(Orange);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        text(p, QRectF(3, 3, 26, 26), QStringLiteral("!"), 20, Qt::white);
    });
    save("proc-icon.png", 32, 32, [](QPainter &p) {
        p.setPen(QPen(Blue.darker(140), 1.5));
        p.setBrush(Blue);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (qreal x : {9.0, 16.0, 23.0})
            p.drawEllipse(QPointF(x, 16), 2.5, 2.5);
    });

    // ---- report check boxes (drawn into the PDF reports) --------------------
    save("check.png", 26, 26, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRect(2, 2, 21, 21));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly({QPointF(6, 13), QPointF(11, 18), QPointF(20, 7)}));
    });
    save("uncheck.png", 26, 26, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRect(2, 2, 21, 21));
    });
    return 0;
}
