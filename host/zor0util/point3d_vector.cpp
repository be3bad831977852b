// CPoint3dVector: an ordered list of named, coded points.
#include "zor0util.h"

void CPoint3dVector::AddPoint(double x, double y, double z, const std::string& name, const std::string& code)
{
    points_.push_back(Point{x, y, z, name, code});
}

int CPoint3dVector::GetNoPoits() const
{
    return static_cast<int>(points_.size());
}

const CPoint3dVector::Point* CPoint3dVector::At(int i) const
{
    if (i < 0 || static_cast<size_t>(i) >= points_.size())
        return nullptr;
    return &points_[static_cast<size_t>(i)];
}

double CPoint3dVector::GetXcoordAt(int i) const
{
    const Point* p = At(i);
    return p ? p->x : VAL_NON_VALIDO;
}

double CPoint3dVector::GetYcoordAt(int i) const
{
    const Point* p = At(i);
    return p ? p->y : VAL_NON_VALIDO;
}

double CPoint3dVector::GetZcoordAt(int i) const
{
    const Point* p = At(i);
    return p ? p->z : VAL_NON_VALIDO;
}

std::string CPoint3dVector::GetNameAt(int i) const
{
    const Point* p = At(i);
    return p ? p->name : std::string();
}

std::string CPoint3dVector::GetCodeAt(int i) const
{
    const Point* p = At(i);
    return p ? p->code : std::string();
}

void CPoint3dVector::DeleteAllPoints()
{
    points_.clear();
}
