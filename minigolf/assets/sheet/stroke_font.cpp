#include "minigolf/sheet/stroke_font.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace minigolf::sheet {
namespace {

// Each letter as strokes on a grid 4 units wide and 6 high (0, 0 top-left): points "x,y"
// joined by spaces, strokes split by '|'; a stroke of one point is a dot. Round letters are
// octagons, which a thick round pen turns into friendly curves.
const std::map<char, const char*> kStrokes{
    {'A', "0,6 0,1 1,0 3,0 4,1 4,6|0,3.3 4,3.3"},
    {'B', "0,0 0,6 3,6 4,5 4,4 3,3 0,3|0,0 3,0 4,1 4,2 3,3"},
    {'C', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5"},
    {'D', "0,0 0,6 2.5,6 4,4.5 4,1.5 2.5,0 0,0"},
    {'E', "4,0 0,0 0,6 4,6|0,3 3,3"},
    {'F', "4,0 0,0 0,6|0,3 3,3"},
    {'G', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.3 2.3,3.3"},
    {'H', "0,0 0,6|4,0 4,6|0,3 4,3"},
    {'I', "0,0 2,0|1,0 1,6|0,6 2,6"},
    {'J', "4,0 4,5 3,6 1,6 0,5"},
    {'K', "0,0 0,6|4,0 1,3 0,3|1,3 4,6"},
    {'L', "0,0 0,6 4,6"},
    {'M', "0,6 0,0 2.5,3.5 5,0 5,6"},
    {'N', "0,6 0,0 4,6 4,0"},
    {'O', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.5,4.5 4,6"},
    {'R', "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6"},
    {'S', "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', "0,0 4,0|2,0 2,6"},
    {'U', "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', "0,0 2,6 4,0"},
    {'W', "0,0 1.2,6 2.5,2.5 3.8,6 5,0"},
    {'X', "0,0 4,6|4,0 0,6"},
    {'Y', "0,0 2,3 4,0|2,3 2,6"},
    {'Z', "0,0 4,0 0,6 4,6"},
    {'0', "1.5,0 2.5,0 4,1.5 4,4.5 2.5,6 1.5,6 0,4.5 0,1.5 1.5,0"},
    {'1', "0.8,1.2 2,0 2,6|0.8,6 3.2,6"},
    {'2', "0,1 1,0 3,0 4,1 4,2 0,6 4,6"},
    {'3', "0,1 1,0 3,0 4,1 4,2 3,3 4,4 4,5 3,6 1,6 0,5|1.5,3 3,3"},
    {'4', "3,6 3,0 0,4.2 4,4.2"},
    {'5', "4,0 0,0 0,2.6 3,2.6 4,3.6 4,5 3,6 1,6 0,5"},
    {'6', "3.8,0.8 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,4 3,3 0,3"},
    {'7', "0,0 4,0 4,1 1.6,6"},
    {'8', "1,0 3,0 4,1 4,2 3,3 1,3 0,2 0,1 1,0|1,3 3,3 4,4 4,5 3,6 1,6 0,5 0,4 1,3"},
    {'9', "0.2,5.2 1,6 3,6 4,5 4,1 3,0 1,0 0,1 0,2 1,3 4,3"},
    {'.', "0.5,6"},
    {',', "1,5.6 0.3,7"},
    {'!', "0.5,0 0.5,4|0.5,6"},
    {'?', "0,1 1,0 3,0 4,1 4,2 2,3.4 2,4|2,6"},
    {'\'', "0.5,0 0.5,1.6"},
    {'/', "3,0 0,6"},
    {':', "0.5,1.8|0.5,5"},
    {'*', "2,1 2,5|0.3,2 3.7,4|0.3,4 3.7,2"},
    {'=', "0.3,2 3.7,2|0.3,4 3.7,4"},
    {'+', "2,1.4 2,4.6|0.4,3 3.6,3"},
    {'-', "0.4,3 3.6,3"},
    {'#', "2,5.6 0.2,3.2 0.2,1.5 1,0.6 2,1.6 3,0.6 3.8,1.5 3.8,3.2 2,5.6|1,2 2,4 3,2"},
    {'@', "2,0 2.7,2 4,2.2 3,3.4 3.4,5.6 2,4.4 0.6,5.6 1,3.4 0,2.2 1.3,2 2,0|2,2 2,4|1.2,3 2.8,3"},
    {'^', "4,0.5 4,4 0.5,4|2,2.5 0.5,4 2,5.5"},
    {' ', ""},
};

struct Point {
    double x, y;
};
using Stroke = std::vector<Point>;

std::vector<Stroke> Parse(const char* text) {
    std::vector<Stroke> strokes(1);
    std::string token;
    std::istringstream in(text);
    while (in >> std::ws, !in.eof()) {
        if (in.peek() == '|') {
            in.get();
            strokes.emplace_back();
            continue;
        }
        Point p{};
        char comma = 0;
        in >> p.x >> comma >> p.y;
        strokes.back().push_back(p);
    }
    return strokes;
}

struct Letter {
    std::vector<Stroke> strokes;
    double width = 0;  // font units from the leftmost to the rightmost point
};

const Letter& LetterFor(char c) {
    static const std::map<char, Letter> letters = [] {
        std::map<char, Letter> made;
        for (const auto& [ch, text] : kStrokes) {
            Letter letter{Parse(text), 0};
            for (const Stroke& s : letter.strokes) {
                for (const Point& p : s) {
                    letter.width = std::max(letter.width, p.x);
                }
            }
            if (ch == ' ') {
                letter.width = 2;
            }
            made.emplace(ch, letter);
        }
        return made;
    }();
    const auto found = letters.find(c);
    return found != letters.end() ? found->second : letters.at('?');
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

void DrawSegment(Mask& mask, Point a, Point b, double width) {
    const double r = width / 2;
    const int left = static_cast<int>(std::floor(std::min(a.x, b.x) - r));
    const int right = static_cast<int>(std::ceil(std::max(a.x, b.x) + r));
    const int top = static_cast<int>(std::floor(std::min(a.y, b.y) - r));
    const int bottom = static_cast<int>(std::ceil(std::max(a.y, b.y) + r));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (DistanceToSegment({x + 0.5, y + 0.5}, a, b) <= r) {
                mask.Set(x, y);
            }
        }
    }
}

}  // namespace

double TextWidth(std::string_view text, const Pen& pen) {
    double units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        units += LetterFor(text[i]).width + (i + 1 < text.size() ? pen.gap : 0);
    }
    return units * pen.unitX + pen.width;
}

void DrawText(Mask& mask, std::string_view text, double x, double y, const Pen& pen) {
    const double r = pen.width / 2;
    for (char c : text) {
        const Letter& letter = LetterFor(c);
        for (const Stroke& stroke : letter.strokes) {
            for (std::size_t i = 0; i < stroke.size(); ++i) {
                const Point& a = stroke[i];
                const Point& b = stroke[i + 1 < stroke.size() ? i + 1 : i];
                if (i + 1 < stroke.size() || stroke.size() == 1) {
                    DrawSegment(mask, {x + r + a.x * pen.unitX, y + r + a.y * pen.unitY},
                                {x + r + b.x * pen.unitX, y + r + b.y * pen.unitY}, pen.width);
                }
            }
        }
        x += (letter.width + pen.gap) * pen.unitX;
    }
}

}  // namespace minigolf::sheet
