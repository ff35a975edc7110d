// stepart: draws the step pictures of the manual duplex instruction dialog and
// writes them as 16-colour Windows bitmaps, together with the resource script
// that puts them into evdlgx42.dll.
//
//   stepart OUTPUT_DIR   writes OUTPUT_DIR/steps/*.bmp and OUTPUT_DIR/step_pictures.rc
//
// The bytes depend on this file alone: no clock, no locale, no libm (the few
// sines are computed below) and plain IEEE arithmetic (built with
// -ffp-contract=off), so every machine writes the same files.
//
// Four printer layouts appear in the pictures:
//   A  output bin on top, Tray 1 folding out at the front
//   B  output bin on top, a tray drawer below (drawer "2")
//   C  output bin on the right side, Tray 1 at the front
//   D  OUT tray at the front, IN tray standing at the rear
// The printed stack carries a red star on one edge; its top sheet shows
// lines of print when the printed side is up and is plain when the blank side
// is up. A picture split diagonally shows the same step on two layouts, the
// right-hand one marked with a yellow star. kCatalogue says which id shows what.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- colours

// Windows' default 16-colour palette, in its usual order.
enum Colour : uint8_t {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White
};

const uint8_t kPalette[16][3] = {  // red, green, blue
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

const int kWidth = 155;
const int kHeight = 100;

// ---------------------------------------------------------------- arithmetic

const double kPi = 3.14159265358979323846;

// Sine of an angle in degrees from its Taylor series: libm's results may
// differ in the last bit between library versions, this one may not.
double SinDeg(double degrees) {
    while (degrees > 180) degrees -= 360;
    while (degrees < -180) degrees += 360;
    if (degrees > 90) degrees = 180 - degrees;
    if (degrees < -90) degrees = -180 - degrees;
    double x = degrees * kPi / 180;
    double term = x;
    double sum = x;
    for (int k = 1; k < 12; ++k) {
        term *= -x * x / ((2 * k) * (2 * k + 1));
        sum += term;
    }
    return sum;
}

double CosDeg(double degrees) { return SinDeg(degrees + 90); }

double Floor(double v) {
    long long i = static_cast<long long>(v);
    return (v < i) ? i - 1 : i;
}

int PixelOf(double v) { return static_cast<int>(Floor(v)); }

struct P2 {
    double x, y;
};

P2 operator+(P2 a, P2 b) { return {a.x + b.x, a.y + b.y}; }
P2 operator-(P2 a, P2 b) { return {a.x - b.x, a.y - b.y}; }
P2 operator*(P2 a, double k) { return {a.x * k, a.y * k}; }

double Length(P2 a) {
    // Newton's square root keeps libm out here too.
    double s = a.x * a.x + a.y * a.y;
    if (s == 0) return 0;
    double r = s > 1 ? s : 1;
    for (int i = 0; i < 40; ++i) r = 0.5 * (r + s / r);
    return r;
}

P2 Unit(P2 a) {
    double l = Length(a);
    return l == 0 ? P2{0, 0} : a * (1 / l);
}

P2 Normal(P2 a) { return {-a.y, a.x}; }

struct P3 {
    double x, y, z;  // x to the right, y up, z away from the viewer
};

P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator*(P3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }

double Determinant(P3 a, P3 b, P3 c) {
    return a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x);
}

// ---------------------------------------------------------------- canvas

// Pixels of one picture. Drawing can be limited to one side of a line, which
// is how a picture is split diagonally between two layouts.
class Canvas {
public:
    Canvas() {
        for (auto& row : pixels_)
            for (auto& p : row) p = White;
    }

    void Plot(int x, int y, Colour c) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
        if (clipping_ && !InsideClip(x + 0.5, y + 0.5)) return;
        pixels_[y][x] = c;
    }

    // Keeps drawing on the side of the line from a to b where `inside` lies.
    void ClipToSide(P2 a, P2 b, P2 inside) {
        clipA_ = a;
        clipB_ = b;
        clipSign_ = Side(inside.x, inside.y) > 0 ? 1 : -1;
        clipping_ = true;
    }
    void NoClip() { clipping_ = false; }

    Colour At(int x, int y) const { return static_cast<Colour>(pixels_[y][x]); }

private:
    double Side(double x, double y) const {
        return (clipB_.x - clipA_.x) * (y - clipA_.y) - (clipB_.y - clipA_.y) * (x - clipA_.x);
    }
    bool InsideClip(double x, double y) const { return Side(x, y) * clipSign_ > 0; }

    uint8_t pixels_[kHeight][kWidth];
    bool clipping_ = false;
    P2 clipA_{0, 0}, clipB_{0, 0};
    int clipSign_ = 1;
};

// ---------------------------------------------------------------- drawing kit
// Every primitive takes pixel coordinates; pixel (x, y) covers the square from
// (x, y) to (x + 1, y + 1) and is painted when its centre is inside a shape.

void FillPolygon(Canvas& canvas, const std::vector<P2>& points, Colour c) {
    if (points.size() < 3) return;
    double top = points[0].y, bottom = points[0].y;
    for (const P2& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    for (int y = PixelOf(top); y <= PixelOf(bottom); ++y) {
        double cy = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < points.size(); ++i) {
            P2 a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= cy) != (b.y <= cy)) crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = PixelOf(crossings[i] + 0.5); x < PixelOf(crossings[i + 1] + 0.5); ++x) canvas.Plot(x, y, c);
        }
    }
}

// A one-pixel line; with dash > 0 it is drawn dash pixels on, dash pixels off.
void Line(Canvas& canvas, P2 a, P2 b, Colour c, int dash = 0) {
    int x0 = PixelOf(a.x), y0 = PixelOf(a.y), x1 = PixelOf(b.x), y1 = PixelOf(b.y);
    int dx = x1 > x0 ? x1 - x0 : x0 - x1, dy = y1 > y0 ? y0 - y1 : y1 - y0;
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int step = 0;; ++step) {
        if (dash == 0 || (step / dash) % 2 == 0) canvas.Plot(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Outline(Canvas& canvas, const std::vector<P2>& points, Colour c, int dash = 0) {
    for (size_t i = 0; i < points.size(); ++i) Line(canvas, points[i], points[(i + 1) % points.size()], c, dash);
}

void Shape(Canvas& canvas, const std::vector<P2>& points, Colour fill, Colour edge) {
    FillPolygon(canvas, points, fill);
    Outline(canvas, points, edge);
}

std::vector<P2> RectPoints(double x, double y, double w, double h) {
    return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

void Rect(Canvas& canvas, double x, double y, double w, double h, Colour fill, Colour edge) {
    // Edges on the last pixel row and column inside the rectangle.
    FillPolygon(canvas, RectPoints(x, y, w, h), fill);
    Outline(canvas, RectPoints(x, y, w - 1, h - 1), edge);
}

void Disc(Canvas& canvas, P2 centre, double radius, Colour c) {
    for (int y = PixelOf(centre.y - radius); y <= PixelOf(centre.y + radius); ++y)
        for (int x = PixelOf(centre.x - radius); x <= PixelOf(centre.x + radius); ++x) {
            double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y;
            if (dx * dx + dy * dy <= radius * radius) canvas.Plot(x, y, c);
        }
}

void Circle(Canvas& canvas, P2 centre, double radius, Colour fill, Colour edge) {
    Disc(canvas, centre, radius, edge);
    Disc(canvas, centre, radius - 1, fill);
}

// A stroke of the given width along a path, with round joints.
void ThickPath(Canvas& canvas, const std::vector<P2>& path, double width, Colour c) {
    double h = width / 2;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        P2 n = Normal(Unit(path[i + 1] - path[i])) * h;
        FillPolygon(canvas, {path[i] + n, path[i + 1] + n, path[i + 1] - n, path[i] - n}, c);
    }
    if (width >= 2)
        for (const P2& p : path) Disc(canvas, p, h, c);
}

std::vector<P2> StarPoints(P2 centre, double radius) {
    std::vector<P2> points;
    for (int i = 0; i < 10; ++i) {
        double r = (i % 2 == 0) ? radius : radius * 0.45;
        double a = i * 36.0;
        points.push_back({centre.x + r * SinDeg(a), centre.y - r * CosDeg(a)});
    }
    return points;
}

void Star(Canvas& canvas, P2 centre, double radius, Colour fill, Colour edge) {
    Shape(canvas, StarPoints(centre, radius), fill, edge);
}

// Points on an ellipse from one angle to another (degrees, 0 = right,
// 90 = down on the screen).
std::vector<P2> Arc(P2 centre, double rx, double ry, double from, double to, int steps) {
    std::vector<P2> points;
    for (int i = 0; i <= steps; ++i) {
        double a = from + (to - from) * i / steps;
        points.push_back({centre.x + rx * CosDeg(a), centre.y + ry * SinDeg(a)});
    }
    return points;
}

// A blue arrow along a path, outlined in black, its head at the last point.
void Arrow(Canvas& canvas, std::vector<P2> path, double width = 4) {
    P2 tip = path.back();
    P2 dir = Unit(tip - path[path.size() - 2]);
    double headLength = width * 2.2;
    P2 base = tip - dir * headLength;
    path.back() = base;
    P2 side = Normal(dir) * (width * 1.5);
    std::vector<P2> head = {tip + dir * 0.5, base + side, base - side};
    ThickPath(canvas, path, width + 2, Black);
    ThickPath(canvas, path, width, Blue);
    Shape(canvas, head, Blue, Black);
}

// A quadratic curve from a to b, pulled towards `control`.
std::vector<P2> Curve(P2 a, P2 control, P2 b, int steps = 16) {
    std::vector<P2> points;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        points.push_back(a * ((1 - t) * (1 - t)) + control * (2 * t * (1 - t)) + b * (t * t));
    }
    return points;
}

// Short strokes fanned around a point, from one angle to another: something
// is being pressed or clicked there.
void PressMarks(Canvas& canvas, P2 centre, double inner, double outer, double from, double to, Colour c) {
    for (int i = 0; i < 5; ++i) {
        double a = from + (to - from) * i / 4;
        P2 d{CosDeg(a), SinDeg(a)};
        Line(canvas, centre + d * inner, centre + d * outer, c);
    }
}

// A 5 x 7 pixel font with the few characters the pictures write.
struct Glyph {
    char c;
    uint8_t rows[7];  // bit 4 is the leftmost pixel
};

const Glyph kFont[] = {
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'u', {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
};

// Writes text with its top-left corner at (x, y).
void Text(Canvas& canvas, int x, int y, const char* text, Colour c) {
    for (; *text; ++text) {
        for (const Glyph& g : kFont) {
            if (g.c != *text) continue;
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g.rows[row] & (0x10 >> col)) canvas.Plot(x + col, y + row, c);
        }
        x += 6;
    }
}

// ---------------------------------------------------------------- solids

// Maps the coordinates of a whole picture into the canvas: unchanged for a
// whole picture, smaller and shifted for one half of a split picture.
struct Frame {
    P2 offset;
    double k;

    P2 operator()(P2 p) const { return {offset.x + k * p.x, offset.y + k * p.y}; }
    double operator()(double size) const { return k * size; }
};

const Frame kWhole = {{0, 0}, 1};

// Oblique projection of a scene onto the picture: depth recedes up and to the
// right, so the front, the top and the right side of a box are seen.
struct View {
    P2 origin;     // where the scene's (0, 0, 0) lands, in pixels
    double scale;  // pixels per scene unit

    P2 operator()(P3 p) const { return {origin.x + scale * (p.x + 0.45 * p.z), origin.y - scale * (p.y + 0.5 * p.z)}; }
};

View Place(const Frame& f, P2 origin, double scale) { return {f(origin), f(scale)}; }

// A parallelepiped: corner o and the three edges u (width), v (depth) and n
// (height, towards its top side).
struct Block {
    P3 o, u, v, n;
};

Block Box(P3 corner, double width, double height, double depth) {
    return {corner, {width, 0, 0}, {0, 0, depth}, {0, height, 0}};
}

enum class Side { Top, Bottom, Front, Back, Left, Right };

const Side kSides[] = {Side::Top, Side::Bottom, Side::Front, Side::Back, Side::Left, Side::Right};

std::vector<P3> FaceCorners(const Block& b, Side side) {
    // Every face is listed turning the same way round its outward normal, so
    // one sign test tells for all six whether the face is seen.
    P3 o = b.o;
    switch (side) {
    case Side::Top: o = o + b.n; return {o, o + b.v, o + b.v + b.u, o + b.u};
    case Side::Bottom: return {o, o + b.u, o + b.u + b.v, o + b.v};
    case Side::Front: return {o, o + b.n, o + b.n + b.u, o + b.u};
    case Side::Back: o = o + b.v; return {o, o + b.u, o + b.u + b.n, o + b.n};
    case Side::Left: return {o, o + b.v, o + b.v + b.n, o + b.n};
    case Side::Right: o = o + b.u; return {o, o + b.n, o + b.n + b.v, o + b.v};
    }
    return {};
}

std::vector<P2> Project(const View& view, const std::vector<P3>& points) {
    std::vector<P2> out;
    for (const P3& p : points) out.push_back(view(p));
    return out;
}

double SignedArea(const std::vector<P2>& p) {
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) a += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
    return a / 2;
}

bool Visible(const View& view, const Block& b, Side side) {
    double handedness = Determinant(b.u, b.v, b.n) < 0 ? 1 : -1;
    return SignedArea(Project(view, FaceCorners(b, side))) * handedness > 0;
}

struct Paint {
    Colour top, front, side, edge;
};

// A convex solid: each face turned towards the viewer, outlined.
void Solid(Canvas& canvas, const View& view, const Block& b, Paint paint) {
    for (Side s : kSides) {
        if (!Visible(view, b, s)) continue;
        Colour fill = (s == Side::Top || s == Side::Bottom) ? paint.top
                      : (s == Side::Front || s == Side::Back) ? paint.front : paint.side;
        Shape(canvas, Project(view, FaceCorners(b, s)), fill, paint.edge);
    }
}

// A flat quadrilateral in the scene.
void Quad(Canvas& canvas, const View& view, const std::vector<P3>& corners, Colour fill, Colour edge) {
    Shape(canvas, Project(view, corners), fill, edge);
}

void Line3(Canvas& canvas, const View& view, P3 a, P3 b, Colour c) { Line(canvas, view(a), view(b), c); }

// ---------------------------------------------------------------- the stack

enum class Face { Printed, Blank };
enum class Edge { Front, Back };  // of the block: towards -v, towards +v

struct Stack {
    Block block;
    Face up;    // the side of the top sheet that faces along n
    Edge star;  // the edge with the red star
};

const double kStackWidth = 34, kStackDepth = 24, kStackHeight = 5;

Stack FlatStack(P3 corner, Face up, Edge star) {
    return {Box(corner, kStackWidth, kStackHeight, kStackDepth), up, star};
}

// The star sits on the middle of its edge of the top sheet.
P3 StarPoint(const Block& b, Edge e) {
    P3 front = b.o + b.n + b.u * 0.5;
    return e == Edge::Front ? front : front + b.v;
}

void DrawSheetFace(Canvas& canvas, const View& view, const Block& b, Side side, bool printed) {
    if (!printed) return;
    P3 o = side == Side::Top ? b.o + b.n : b.o;
    for (int i = 0; i < 5; ++i) {  // lines of print across the sheet
        double f = 0.2 + 0.15 * i;
        Line3(canvas, view, o + b.v * f + b.u * 0.14, o + b.v * f + b.u * (i == 0 ? 0.55 : 0.86), Grey);
    }
}

void DrawStack(Canvas& canvas, const View& view, const Stack& s) {
    const Block& b = s.block;
    for (Side side : kSides) {
        if (!Visible(view, b, side)) continue;
        std::vector<P3> corners = FaceCorners(b, side);
        Shape(canvas, Project(view, corners), White, Black);
        if (side == Side::Top || side == Side::Bottom) {
            DrawSheetFace(canvas, view, b, side, (side == Side::Top) == (s.up == Face::Printed));
        } else if (view.scale > 0.6) {
            // The sheets' edges: a line along the middle of each side face.
            P3 m = corners[0] + b.n * 0.5;
            Line3(canvas, view, m, m + ((side == Side::Left || side == Side::Right) ? b.v : b.u), Silver);
        }
    }
    Star(canvas, view(StarPoint(b, s.star)), std::max(3.5, 5 * view.scale), Red, Maroon);
}

// Where a stack lay before it was taken away: a dashed outline.
void StackGhost(Canvas& canvas, const View& view, const Block& b) {
    for (Side side : kSides)
        if (Visible(view, b, side)) Outline(canvas, Project(view, FaceCorners(b, side)), Black, 2);
}

// A stack lying flat on its own, its near bottom-left corner at `corner` of
// the picture.
void LooseStack(Canvas& canvas, const Frame& f, P2 corner, double scale, Face up, Edge star) {
    DrawStack(canvas, Place(f, corner, scale), FlatStack({0, 0, 0}, up, star));
}

// ---------------------------------------------------------------- printers

enum class Layout { TopBinTray1, TopBinDrawer, SideBinTray1, FrontOutRearIn };

const Paint kBody = {Silver, White, Grey, Black};
const Paint kTray = {Grey, Grey, Black, Black};

struct Printer {
    Layout layout;
    double width, height, depth;
    double drawerOut = 0;  // how far the drawer is pulled out

    bool HasTray1() const { return layout == Layout::TopBinTray1 || layout == Layout::SideBinTray1; }
    bool HasTopBin() const { return layout == Layout::TopBinTray1 || layout == Layout::TopBinDrawer; }
    P3 PanelButton() const { return {width - 8, height + 1.5, 8}; }
    double Tray1Left() const { return 12; }
    double Tray1Right() const { return width - 14; }
};

Printer PrinterOf(Layout layout) {
    switch (layout) {
    case Layout::TopBinTray1: return {layout, 70, 32, 44};
    case Layout::TopBinDrawer: return {layout, 70, 44, 44};
    case Layout::SideBinTray1: return {layout, 62, 34, 44};
    case Layout::FrontOutRearIn: return {layout, 70, 24, 38};
    }
    return {layout, 70, 32, 44};
}

// The digit of a tray, in a yellow box on the printer's front.
void TrayLabel(Canvas& canvas, const View& view, P3 at, const char* digit) {
    if (view.scale < 0.6) return;  // too small to read in half a picture
    P2 p = view(at);
    Rect(canvas, p.x, p.y, 9, 11, Yellow, Black);
    Text(canvas, PixelOf(p.x + 2), PixelOf(p.y + 2), digit, Black);
}

void DrawPanel(Canvas& canvas, const View& view, const Printer& pr) {
    double x = pr.width - 24, y = pr.height;
    Solid(canvas, view, Box({x, y, 2}, 21, 1.5, 12), {Grey, Black, Black, Black});
    Quad(canvas, view, {{x + 2, y + 1.5, 5}, {x + 11, y + 1.5, 5}, {x + 11, y + 1.5, 11}, {x + 2, y + 1.5, 11}}, Teal, Black);
    Disc(canvas, view(pr.PanelButton()), std::max(1.5, 2.5 * view.scale), Lime);
}

void DrawTopBin(Canvas& canvas, const View& view, const Printer& pr) {
    double h = pr.height, back = pr.depth - 6, right = pr.width - 26;
    // The hollow the sheets drop into, and the lip at its back where they come out.
    Quad(canvas, view, {{6, h, 8}, {right, h, 8}, {right, h, back}, {6, h, back}}, Grey, Black);
    Solid(canvas, view, Box({4, h, back}, right - 2, 4, 4), kBody);
    Line3(canvas, view, {7, h + 2, back}, {right - 1, h + 2, back}, Black);
}

void DrawTray1(Canvas& canvas, const View& view, const Printer& pr) {
    double l = pr.Tray1Left(), r = pr.Tray1Right();
    Quad(canvas, view, {{l, 11, 0}, {r, 11, 0}, {r, 16, 0}, {l, 16, 0}}, Black, Black);  // the feed slot
    Solid(canvas, view, Box({l, 10, -28}, r - l, 1.5, 28), kTray);
    TrayLabel(canvas, view, {1, 24, 0}, "1");
}

void DrawSideBin(Canvas& canvas, const View& view, const Printer& pr) {
    double w = pr.width;
    Quad(canvas, view, {{w, 22, 6}, {w, 22, 40}, {w, 26, 40}, {w, 26, 6}}, Black, Black);  // exit slot
    Solid(canvas, view, Box({w, 20, 6}, 40, 1.5, 34), kTray);
    Solid(canvas, view, Box({w + 38, 21.5, 6}, 2, 5, 34), kTray);  // the end stop
}

// The drawer, pulled out by drawerOut; its near walls come later, in
// DrawDrawerFront, so that a stack inside sits between.
void DrawDrawerBack(Canvas& canvas, const View& view, const Printer& pr) {
    double w = pr.width, out = pr.drawerOut;
    if (out == 0) return;
    Quad(canvas, view, {{3, 3, 0}, {w - 3, 3, 0}, {w - 3, 15, 0}, {3, 15, 0}}, Black, Black);  // the opening
    Quad(canvas, view, {{5, 5, -out}, {w - 5, 5, -out}, {w - 5, 5, 0}, {5, 5, 0}}, Grey, Black);
    Solid(canvas, view, Box({3, 3, -out}, 2, 7, out), kBody);  // left wall
}

void DrawDrawerFront(Canvas& canvas, const View& view, const Printer& pr) {
    double w = pr.width, out = pr.drawerOut;
    if (out > 0) Solid(canvas, view, Box({w - 5, 3, -out}, 2, 7, out), kBody);  // right wall
    Solid(canvas, view, Box({3, 3, -out - 2}, w - 6, 12, 2), kBody);
    P2 handle = view({w / 2 - 9, 10, -out - 2});
    Rect(canvas, handle.x, handle.y, std::max(5.0, 16 * view.scale), std::max(2.0, 3 * view.scale), Black, Black);
    TrayLabel(canvas, view, {6, 13.5, -out - 2}, "2");
}

void DrawRearIn(Canvas& canvas, const View& view, const Printer& pr) {
    double h = pr.height;
    Quad(canvas, view, {{14, h, 27}, {56, h, 27}, {56, h, 30}, {14, h, 30}}, Black, Black);  // the feed slot
    Quad(canvas, view, {{12, h, 30}, {58, h, 30}, {58, h + 30, 40}, {12, h + 30, 40}}, Grey, Black);  // the support
}

void DrawFrontOut(Canvas& canvas, const View& view, const Printer&) {
    Quad(canvas, view, {{14, 4, 0}, {56, 4, 0}, {56, 9, 0}, {14, 9, 0}}, Black, Black);
    Solid(canvas, view, Box({12, 3, -28}, 46, 1.5, 28), kTray);
}

// The printer with its bins and trays. A stack shown inside the drawer is
// drawn between DrawPrinterBack and DrawPrinterFront.
void DrawPrinterBack(Canvas& canvas, const View& view, const Printer& pr) {
    Solid(canvas, view, Box({0, 0, 0}, pr.width, pr.height, pr.depth), kBody);
    if (pr.HasTopBin()) DrawTopBin(canvas, view, pr);
    if (pr.HasTray1()) DrawTray1(canvas, view, pr);
    if (pr.layout == Layout::SideBinTray1) DrawSideBin(canvas, view, pr);
    if (pr.layout == Layout::TopBinDrawer) DrawDrawerBack(canvas, view, pr);
    if (pr.layout == Layout::FrontOutRearIn) {
        DrawRearIn(canvas, view, pr);
        DrawFrontOut(canvas, view, pr);
    }
    DrawPanel(canvas, view, pr);
}

void DrawPrinterFront(Canvas& canvas, const View& view, const Printer& pr) {
    if (pr.layout == Layout::TopBinDrawer) DrawDrawerFront(canvas, view, pr);
}

void DrawPrinter(Canvas& canvas, const View& view, const Printer& pr) {
    DrawPrinterBack(canvas, view, pr);
    DrawPrinterFront(canvas, view, pr);
}

// ---------------------------------------------------------------- the stack's way

// How each layout holds the stack. The first sides come out blank side up;
// layouts A and C turn the stack over before feeding it, layout B feeds it as
// it came out, layout D turns it round flat and stands it in the rear tray
// star edge first.
Stack StackInBin(const Printer& pr) {
    switch (pr.layout) {
    case Layout::SideBinTray1: return FlatStack({pr.width + 3, 21.5, 10}, Face::Blank, Edge::Back);
    case Layout::FrontOutRearIn: return FlatStack({18, 4.5, -26}, Face::Printed, Edge::Front);
    default: return FlatStack({9, pr.height, 12}, Face::Blank, Edge::Back);
    }
}

Stack StackFed(const Printer& pr, double lift) {
    switch (pr.layout) {
    case Layout::TopBinTray1:
    case Layout::SideBinTray1: {
        double x = (pr.Tray1Left() + pr.Tray1Right() - kStackWidth) / 2;
        return FlatStack({x, 11.5 + lift, -26}, Face::Printed, Edge::Back);
    }
    case Layout::TopBinDrawer: return FlatStack({18, 5 + lift, -pr.drawerOut + 6}, Face::Blank, Edge::Back);
    case Layout::FrontOutRearIn: {
        // Leaning on the rear tray's support, star edge down in the slot.
        double h = pr.height;
        Block b = {{18, h + lift, 28 + lift / 3}, {kStackWidth, 0, 0}, {0, 27, 9}, {0, 1.5, -kStackHeight}};
        return {b, Face::Printed, Edge::Front};
    }
    }
    return StackInBin(pr);
}

P3 TopMiddle(const Block& b) { return b.o + b.n + b.u * 0.5 + b.v * 0.5; }

// ---------------------------------------------------------------- props

// A hand pointing its forefinger at `tip`; the arm comes from `angle`
// degrees clockwise from straight above.
void PointingHand(Canvas& canvas, P2 tip, double k, double angle) {
    double c = CosDeg(angle), s = SinDeg(angle);
    auto at = [&](double x, double y) { return P2{tip.x + k * (x * c - y * s), tip.y + k * (x * s + y * c)}; };
    Shape(canvas, {at(-2.5, -1.5), at(-1.5, 0), at(1.5, 0), at(2.5, -1.5), at(2.5, -11), at(12, -11), at(13.5, -13),
                   at(13.5, -23), at(11, -26), at(-1, -26), at(-3.5, -23), at(-2.5, -11)},
          White, Black);
    for (double y : {-14.5, -18.0, -21.5}) Line(canvas, at(3, y), at(13, y), Black);  // the folded fingers
    Shape(canvas, {at(-1.5, -26), at(11.5, -26), at(11.5, -32), at(-1.5, -32)}, Blue, Black);  // the sleeve
}

// The classic mouse pointer with its tip at `tip`.
void MousePointer(Canvas& canvas, P2 tip) {
    std::vector<P2> arrow = {{0, 0}, {0, 15}, {3.5, 11.5}, {6.5, 17.5}, {9, 16.5}, {6, 10.5}, {11, 10.5}};
    for (P2& p : arrow) p = tip + p;
    Shape(canvas, arrow, White, Black);
}

// The printer's panel magnified in a circle tied to it, a forefinger on its
// green button. `panel` is a canvas point, `centre` and `r` are in picture
// coordinates.
void PanelCallout(Canvas& canvas, const Frame& f, P2 panel, P2 centre, double r) {
    P2 c = f(centre);
    double k = f(r) / 26;
    Line(canvas, panel, c + P2{-0.95, 0.3} * f(r), Black);
    Line(canvas, panel, c + P2{-0.3, 0.95} * f(r), Black);
    Disc(canvas, panel, std::max(1.5, 2.5 * k), Black);
    Circle(canvas, c, f(r), White, Black);
    P2 m = c + P2{-2, 6} * k;
    Shape(canvas, RectPoints(m.x - 18 * k, m.y - 7 * k, 36 * k, 14 * k), Grey, Black);
    Shape(canvas, RectPoints(m.x - 15 * k, m.y - 4.5 * k, 16 * k, 9 * k), Teal, Black);
    if (k > 0.8) {
        Line(canvas, m + P2{-13, -1.5} * k, m + P2{-4, -1.5} * k, Aqua);
        Line(canvas, m + P2{-13, 1.5} * k, m + P2{-7, 1.5} * k, Aqua);
    }
    Circle(canvas, m + P2{5, 0} * k, 3 * k, Silver, Black);
    P2 go = m + P2{12, 0} * k;
    Circle(canvas, go, 4.5 * k, Lime, Black);
    PressMarks(canvas, go, 6.5 * k, 10 * k, 100, 260, Red);
    PointingHand(canvas, go + P2{0, -1.5} * k, 0.7 * k, 0);
}

// A computer screen with a message box whose Continue button is clicked.
// Drawn in whole pictures only: its text does not shrink.
void ContinueScreen(Canvas& canvas, P2 at) {
    double x = at.x, y = at.y;
    Shape(canvas, {{x + 32, y + 60}, {x + 58, y + 60}, {x + 53, y + 53}, {x + 37, y + 53}}, Grey, Black);  // stand
    Shape(canvas, RectPoints(x, y, 90, 54), Grey, Black);
    Shape(canvas, RectPoints(x + 4, y + 4, 82, 46), Teal, Black);
    double wx = x + 8, wy = y + 8;  // the message box
    Shape(canvas, RectPoints(wx, wy, 74, 37), Silver, Black);
    Shape(canvas, RectPoints(wx, wy, 74, 7), Navy, Black);
    Rect(canvas, wx + 68, wy + 1, 5, 5, Silver, Black);
    Line(canvas, {wx + 5, wy + 12}, {wx + 66, wy + 12}, Grey);
    Line(canvas, {wx + 5, wy + 15}, {wx + 50, wy + 15}, Grey);
    double bx = wx + 5, by = wy + 20;  // the default button: black frame round a raised face
    Rect(canvas, bx, by, 62, 14, Black, Black);
    Rect(canvas, bx + 1, by + 1, 60, 12, Grey, White);
    Rect(canvas, bx + 2, by + 2, 58, 10, Silver, Silver);
    Text(canvas, PixelOf(bx + 4), PixelOf(by + 4), "Continue", Black);
    P2 tip{bx + 55, by + 9};
    PressMarks(canvas, tip, 4, 7, -80, 40, Red);
    MousePointer(canvas, tip);
}

// ---------------------------------------------------------------- steps

enum class Step { Remove, Turn, Insert, Press, Continue, OpenDrawer, CloseDrawer, Move };

struct Scene {
    Canvas& canvas;
    Frame f;
    bool half;  // one half of a split picture: nothing goes beside the printer
};

double ArrowWidth(const Scene& sc) { return std::max(2.5, sc.f(4)); }

void RemoveStep(Scene& sc, const Printer& pr) {
    struct Placing {
        P2 printer;
        double scale;
        P2 lifted;  // where the stack is carried to
    };
    const Placing places[] = {
        {{8, 90}, 0.85, {98, 36}},   // A
        {{8, 95}, 0.78, {98, 34}},   // B
        {{6, 88}, 0.78, {90, 28}},   // C
        {{18, 76}, 0.8, {100, 91}},  // D
    };
    const Placing& at = places[static_cast<int>(pr.layout)];
    View v = Place(sc.f, at.printer, at.scale);
    DrawPrinter(sc.canvas, v, pr);
    Stack inBin = StackInBin(pr);
    StackGhost(sc.canvas, v, inBin.block);
    LooseStack(sc.canvas, sc.f, at.lifted, at.scale, inBin.up, inBin.star);
    P2 from = v(TopMiddle(inBin.block) + P3{0, 3, 0});
    P2 to = sc.f(at.lifted + P2{-3, -7} * at.scale);
    P2 bend = pr.layout == Layout::FrontOutRearIn ? P2{(from.x + to.x) / 2, to.y} : P2{from.x, to.y};
    Arrow(sc.canvas, Curve(from, bend, to), ArrowWidth(sc));
}

void TurnStep(Scene& sc, const Printer& pr) {
    Canvas& c = sc.canvas;
    bool flat = pr.layout == Layout::FrontOutRearIn;
    Face before = flat ? Face::Printed : Face::Blank;
    Edge starBefore = flat ? Edge::Front : Edge::Back;
    if (sc.half) {
        // Before low on the left, after high on the right, along the split.
        const double k = 1.25;
        LooseStack(c, sc.f, {8, 94}, k, before, starBefore);
        LooseStack(c, sc.f, {66, 54}, k, Face::Printed, Edge::Back);
        if (flat)
            Arrow(c, Arc(sc.f({96, 80}), sc.f(17), sc.f(10), 110, 410, 30), ArrowWidth(sc));
        else
            Arrow(c, Curve(sc.f({30, 66}), sc.f({26, 22}), sc.f({64, 38})), ArrowWidth(sc));
        return;
    }
    if (flat) {
        // Turned round flat: the star goes from the front edge to the back.
        LooseStack(c, sc.f, {6, 78}, 1, before, starBefore);
        LooseStack(c, sc.f, {104, 78}, 1, Face::Printed, Edge::Back);
        Arrow(c, Arc(sc.f({78, 62}), sc.f(17), sc.f(10), 110, 410, 30), ArrowWidth(sc) - 0.5);
    } else {
        // Turned over sideways: the star stays on the back edge.
        LooseStack(c, sc.f, {8, 88}, 1, before, starBefore);
        Block standing = {{0, kStackWidth, 0}, {0, -kStackWidth, 0}, {0, 0, kStackDepth}, {kStackHeight, 0, 0}};
        DrawStack(c, Place(sc.f, {70, 88}, 1), {standing, Face::Blank, Edge::Back});
        LooseStack(c, sc.f, {102, 88}, 1, Face::Printed, Edge::Back);
        Arrow(c, Arc(sc.f({78, 68}), sc.f(50), sc.f(42), 197, 343, 30), ArrowWidth(sc));
    }
    DrawPrinter(c, Place(sc.f, {4, 26}, 0.25), pr);  // which printer this is for
}

void InsertStep(Scene& sc, Printer pr) {
    View v;
    Stack fed;
    P3 from, to;
    if (pr.HasTray1()) {
        v = Place(sc.f, {30, 80}, 0.85);
        fed = StackFed(pr, 0);
        fed.block.o.z -= 8;  // not in yet
        double x = fed.block.o.x + kStackWidth + 7;
        from = {x, 13, -32};
        to = {x, 13, -2};
    } else if (pr.layout == Layout::TopBinDrawer) {
        pr.drawerOut = 36;
        v = Place(sc.f, {34, 74}, 0.78);
        fed = StackFed(pr, 22);
        from = {pr.width + 2, 34, -16};
        to = {pr.width + 2, 10, -16};
    } else {
        v = Place(sc.f, {34, 82}, 0.8);
        fed = StackFed(pr, 16);
        from = {kStackWidth + 24, pr.height + 44, 42};
        to = {kStackWidth + 24, pr.height + 6, 29};
    }
    DrawPrinterBack(sc.canvas, v, pr);
    DrawStack(sc.canvas, v, fed);
    DrawPrinterFront(sc.canvas, v, pr);
    Arrow(sc.canvas, {v(from), v(to)}, ArrowWidth(sc));
}

void PressStep(Scene& sc, const Printer& pr) {
    View v = Place(sc.f, {6, pr.layout == Layout::FrontOutRearIn ? 86.0 : 94.0}, 0.8);
    DrawPrinter(sc.canvas, v, pr);
    P2 panel = v(pr.PanelButton());
    if (sc.half)
        PanelCallout(sc.canvas, sc.f, panel, {106, 28}, 26);
    else
        PanelCallout(sc.canvas, sc.f, panel, {124, 30}, 27);
}

// Whole pictures only (see ContinueScreen).
void ContinueStep(Scene& sc, const Printer& pr) {
    DrawPrinter(sc.canvas, Place(sc.f, {4, 90}, 0.45), pr);
    ContinueScreen(sc.canvas, {60, 16});
}

void DrawerStep(Scene& sc, Printer pr, bool opening) {
    pr.drawerOut = opening ? 36 : 16;
    View v = Place(sc.f, {30, 74}, 0.8);
    DrawPrinterBack(sc.canvas, v, pr);
    if (!opening) DrawStack(sc.canvas, v, StackFed(pr, 0));
    DrawPrinterFront(sc.canvas, v, pr);
    double x = pr.width + 6, in = -pr.drawerOut + 4, out = -pr.drawerOut - 26;
    Arrow(sc.canvas, {v({x, 9, opening ? in : out}), v({x, 9, opening ? out : in})}, ArrowWidth(sc));
}

// The stack carried from the output straight into the input: the same side up
// and the star on the same edge.
void MoveStep(Scene& sc, Printer pr) {
    if (pr.layout == Layout::TopBinDrawer) pr.drawerOut = 36;
    View v = Place(sc.f, {pr.layout == Layout::SideBinTray1 ? 16.0 : 26.0, 84}, 0.8);
    DrawPrinterBack(sc.canvas, v, pr);
    Stack inBin = StackInBin(pr);
    StackGhost(sc.canvas, v, inBin.block);
    Stack fed = StackFed(pr, 0);
    fed.up = inBin.up;
    fed.star = inBin.star;
    DrawStack(sc.canvas, v, fed);
    DrawPrinterFront(sc.canvas, v, pr);
    P2 a = v(inBin.block.o + inBin.block.u + inBin.block.v * 0.5 + P3{3, 3, 0});
    P2 b = v(fed.block.o + fed.block.u + fed.block.v * 0.5 + P3{3, 2, 0});
    P2 bend{std::max(a.x, b.x) + sc.f(40), (a.y + b.y) / 2};
    Arrow(sc.canvas, Curve(a, bend, b), ArrowWidth(sc) - 0.5);
}

void DrawStep(Scene& sc, Layout layout, Step step) {
    Printer pr = PrinterOf(layout);
    switch (step) {
    case Step::Remove: RemoveStep(sc, pr); break;
    case Step::Turn: TurnStep(sc, pr); break;
    case Step::Insert: InsertStep(sc, pr); break;
    case Step::Press: PressStep(sc, pr); break;
    case Step::Continue: ContinueStep(sc, pr); break;
    case Step::OpenDrawer: DrawerStep(sc, pr, true); break;
    case Step::CloseDrawer: DrawerStep(sc, pr, false); break;
    case Step::Move: MoveStep(sc, pr); break;
    }
}

// ---------------------------------------------------------------- pictures

struct Picture {
    const char* id;  // resource id: a number or a name
    Step step;
    Layout layout;
    Layout second;  // a different layout splits the picture: this one on the right
    const char* shows;
};

const Layout A = Layout::TopBinTray1;
const Layout B = Layout::TopBinDrawer;
const Layout C = Layout::SideBinTray1;
const Layout D = Layout::FrontOutRearIn;

const Picture kCatalogue[] = {
    {"105", Step::Remove, A, A, "stack lifted out of the top output bin"},
    {"106", Step::Turn, A, A, "stack turned over sideways, star edge stays at the back"},
    {"108", Step::Insert, A, A, "stack pushed into Tray 1, printed side up, star edge first"},
    {"109", Step::Press, A, A, "green button on the panel pressed"},
    {"110", Step::Continue, A, A, "Continue clicked on the computer's screen"},
    {"111", Step::Remove, B, B, "stack lifted out of the top output bin"},
    {"112", Step::OpenDrawer, B, B, "tray drawer 2 pulled out"},
    {"113", Step::Insert, B, B, "stack lowered into the drawer as it came out"},
    {"114", Step::CloseDrawer, B, B, "drawer pushed back in with the stack"},
    {"115", Step::Press, B, B, "green button on the panel pressed"},
    {"116", Step::Remove, C, C, "stack lifted out of the side output bin"},
    {"117", Step::Turn, C, C, "stack turned over sideways, star edge stays at the back"},
    {"118", Step::Insert, C, C, "stack pushed into Tray 1, printed side up, star edge first"},
    {"119", Step::Press, C, C, "green button on the panel pressed"},
    {"120", Step::Remove, D, D, "stack taken off the front OUT tray"},
    {"121", Step::Turn, D, D, "stack turned round flat, star edge from the front to the back"},
    {"122", Step::Insert, D, D, "stack stood in the rear IN tray, star edge down"},
    {"123", Step::Press, D, D, "green button on the panel pressed"},
    {"133", Step::Continue, D, D, "Continue clicked on the computer's screen"},
    {"134", Step::Continue, B, B, "Continue clicked on the computer's screen"},
    {"146", Step::Continue, C, C, "Continue clicked on the computer's screen"},
    {"147", Step::Remove, A, B, "stack lifted out of the output bin"},
    {"149", Step::Insert, A, B, "stack into Tray 1 | into the drawer"},
    {"151", Step::Remove, A, C, "stack lifted out of the top | side output bin"},
    {"152", Step::Turn, A, D, "stack turned over | turned round flat"},
    {"153", Step::Insert, A, C, "stack pushed into Tray 1"},
    {"154", Step::Press, A, B, "panel button pressed"},
    {"155", Step::Remove, C, D, "stack out of the side bin | off the OUT tray"},
    {"161", Step::Insert, C, D, "stack into Tray 1 | into the rear IN tray"},
    {"163", Step::Press, A, D, "panel button pressed"},
    {"164", Step::Insert, B, D, "stack into the drawer | into the rear IN tray"},
    {"IDB_BITMAP3", Step::Move, A, A, "stack carried from the output bin into Tray 1 without turning it"},
    {"IDB_BITMAP31", Step::Move, B, B, "stack carried from the output bin into the drawer without turning it"},
    {"IDB_BITMAP32", Step::Move, C, C, "stack carried from the side bin into Tray 1 without turning it"},
    {"IDB_BITMAP33", Step::Move, D, D, "stack carried from the OUT tray into the IN tray, star edge down"},
    {"IDB_BITMAP34", Step::Remove, A, D, "stack out of the top bin | off the OUT tray"},
    {"IDB_BITMAP36", Step::Press, B, C, "panel button pressed"},
};

// A split picture is divided by the line from (kSplitTop, 0) to
// (kSplitBottom, kHeight); each half shows a whole scene made smaller.
const double kSplitTop = 96, kSplitBottom = 58;
const Frame kLeftHalf = {{-4, 18}, 0.62};
const Frame kRightHalf = {{66, 18}, 0.62};

void DrawPicture(Canvas& canvas, const Picture& p) {
    if (p.second == p.layout) {
        Scene whole{canvas, kWhole, false};
        DrawStep(whole, p.layout, p.step);
        return;
    }
    P2 top{kSplitTop, 0}, bottom{kSplitBottom, kHeight};
    canvas.ClipToSide(top, bottom, {0, 0});
    Scene left{canvas, kLeftHalf, true};
    DrawStep(left, p.layout, p.step);
    canvas.ClipToSide(top, bottom, {kWidth, kHeight});
    Scene right{canvas, kRightHalf, true};
    DrawStep(right, p.second, p.step);
    canvas.NoClip();
    ThickPath(canvas, {top, bottom}, 2, Black);
    Star(canvas, {kWidth - 11, kHeight - 11}, 8, Yellow, Black);
}

// ---------------------------------------------------------------- files

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A bottom-up, uncompressed 4-bit bitmap file with the 16-colour palette.
std::string BitmapFile(const Canvas& canvas) {
    const uint32_t stride = ((kWidth * 4 + 31) / 32) * 4;
    const uint32_t bitsOffset = 14 + 40 + 16 * 4;
    const uint32_t imageSize = stride * kHeight;
    std::string out;
    out += "BM";
    Put32(out, bitsOffset + imageSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
    Put32(out, 40);       // BITMAPINFOHEADER
    Put32(out, kWidth);
    Put32(out, kHeight);  // positive: bottom-up
    Put16(out, 1);        // planes
    Put16(out, 4);        // bits per pixel
    Put32(out, 0);        // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);     // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 16);       // colours used
    Put32(out, 0);        // all of them important
    for (const auto& rgb : kPalette) {
        out += static_cast<char>(rgb[2]);
        out += static_cast<char>(rgb[1]);
        out += static_cast<char>(rgb[0]);
        out += '\0';
    }
    for (int y = kHeight - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < kWidth; ++x) {
            unsigned nibble = canvas.At(x, y);
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? nibble << 4 : nibble));
        }
        out += row;
    }
    return out;
}

std::string FileNameOf(const Picture& p) {
    std::string name = p.id;
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return (name[0] >= '0' && name[0] <= '9' ? "step" : "") + name + ".bmp";
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "stepart: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) std::fprintf(stderr, "stepart: cannot write %s\n", path.c_str());
    return ok;
}

const char* LetterOf(Layout layout) {
    switch (layout) {
    case Layout::TopBinTray1: return "A";
    case Layout::TopBinDrawer: return "B";
    case Layout::SideBinTray1: return "C";
    case Layout::FrontOutRearIn: return "D";
    }
    return "?";
}

std::string ResourceScript() {
    std::string rc =
        "// The step pictures of the manual duplex instructions, drawn by\n"
        "// tools/stepart/stepart.cpp, whose header names the printer layouts A to D.\n"
        "// Generated: change the generator and run tools/stepart/generate instead of\n"
        "// editing this file.\n"
        "LANGUAGE 0x09, 0x01\n\n";
    for (const Picture& p : kCatalogue) {
        std::string layouts = LetterOf(p.layout);
        if (p.second != p.layout) layouts += std::string(" | ") + LetterOf(p.second);
        rc += std::string(p.id) + " BITMAP \"steps/" + FileNameOf(p) + "\"  // " + layouts + ": " + p.shows + "\n";
    }
    return rc;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: stepart OUTPUT_DIR  (writes OUTPUT_DIR/steps/*.bmp, OUTPUT_DIR/step_pictures.rc)\n");
        return 2;
    }
    std::string dir = argv[1];
    bool ok = true;
    for (const Picture& p : kCatalogue) {
        Canvas canvas;
        DrawPicture(canvas, p);
        ok = WriteFile(dir + "/steps/" + FileNameOf(p), BitmapFile(canvas)) && ok;
    }
    ok = WriteFile(dir + "/step_pictures.rc", ResourceScript()) && ok;
    return ok ? 0 : 1;
}
