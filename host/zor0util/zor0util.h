// zor0util — numeric, angle, rounding, text and file-name helpers of the suite,
// and the point list CPoint3dVector.
//
// Angles are in gon (400 to a full circle), directions counted from the +y
// (north) axis towards +x (east). A value is invalid when it is not less than
// 8.5e199 (or not a number at all); 1.7e200 marks "invalid". Every helper that
// returns a double passes an invalid argument through unchanged, and none of
// them loops: huge and non-finite values are handled in constant time.
#pragma once

#include <string>
#include <vector>

// The value stored to mark "invalid" and the limit from which a value is invalid.
inline constexpr double VAL_NON_VALIDO = 1.7e200;
inline constexpr double LIM_NON_VALIDO = 8.5e199;

// True when v is a usable number: finite and less than 8.5e199.
bool EstValido(double v);

double LimiteAng0_400(double ang);      // result in [0, 400)
double LimiteAng200_200(double ang);    // result in (-200, 200]
double AngoloDaAsseRifer(double dx, double dy);   // [0, 400); 0 for a null vector
double CalcCoordEst(double dist, double dir);
double CalcCoordNord(double dist, double dir);
double Distanza2pt(const double& x1, const double& y1, const double& x2, const double& y2);
double DistQuad2pt(const double& x1, const double& y1, const double& x2, const double& y2);

// True when the segments (x1,y1)-(x2,y2) and (x3,y3)-(x4,y4) meet (touching counts).
bool IntersezLine(double x1, double y1, double x2, double y2,
                  double x3, double y3, double x4, double y4);
// 1 when the three points turn counter-clockwise, -1 clockwise, 0 when aligned.
int ItrePtSonoInSensoAntiOrar(double x1, double y1, double x2, double y2, double x3, double y3);

double ArrotondatoAtDec(double v, int decimals);   // halves away from zero
double ArrotondatoAlVal(double v, double step);    // step <= 0: v unchanged
// Rounding (halves away from zero) and truncation towards zero. Values outside
// the result's range saturate at its limits; a value that is not a number gives 0.
long LongRound(double v);
long LongTrunk(double v);
short IntRound(double v);
double DoubleTrunk(double v);
// a and b equal within 1e-9, relative to their size when they exceed 1.
bool UgualeA(double a, double b);

// Decimal text of v with `decimals` decimals ("." as decimal point in every
// locale), right-aligned in at least `width` characters (0: no padding).
// A result that rounds to zero never carries a minus sign.
std::string StringDaDouble(double v, int width, int decimals);
// Value of the number at the start of the text (blanks before it are skipped,
// "." is the decimal point); 1.7e200 when the text holds no number.
double DoubleDaString(const std::string& text);
double DoubleDaArChar(const char* text);
// Whole number at the start of the text, saturated to the range of short; 0 when none.
short IntDaString(const std::string& text);

void StringTrimBoth(std::string& s);
void StringTrimLeft(std::string& s);
void StringTrimRight(std::string& s);
void StringToUpper(std::string& s);   // ASCII letters only; other bytes kept

// Paths: both "\" and "/" separate folders.
void EstraiIlNomeFile(std::string& path);   // keeps the file-name part
void EstraiIlPathFile(std::string& path);   // keeps the folder, with its separator; "" when none
// Joins a folder and a name with "/" unless the folder already ends with a separator.
std::string UnisciPath(const std::string& dir, const std::string& name);

// The text with its trailing progressive number increased by step, keeping
// leading zeros ("P009" -> "P010"). A text without a trailing number gets
// `step` appended when addWhenMissing is true, and is returned as it is otherwise.
std::string IncrementaNuProg(const char* text, bool addWhenMissing, int step);

class CPoint3dVector {
public:
    CPoint3dVector() = default;
    CPoint3dVector(const CPoint3dVector&) = default;
    CPoint3dVector& operator=(const CPoint3dVector&) = default;
    ~CPoint3dVector() = default;

    void AddPoint(double x, double y, double z, const std::string& name, const std::string& code);
    int GetNoPoits() const;
    double GetXcoordAt(int i) const;   // invalid number out of range
    double GetYcoordAt(int i) const;
    double GetZcoordAt(int i) const;
    std::string GetNameAt(int i) const;   // empty out of range
    std::string GetCodeAt(int i) const;
    void DeleteAllPoints();

private:
    struct Point {
        double x, y, z;
        std::string name, code;
    };
    const Point* At(int i) const;
    std::vector<Point> points_;
};
