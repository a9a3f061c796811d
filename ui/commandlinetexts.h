#pragma once
// The command line's limits and the texts that name them: the ranges in the
// error sentences and the help, which lists them once more with the shapes.
// The parsing and the checks themselves are commandline.cpp's.

#include <QString>

inline constexpr int kMinDistance = 100;
inline constexpr int kMaxDistance = 350;
inline constexpr int kMaxAspectTenths = 16;
inline constexpr int kMaxScale = 8;

// The pointer lies on the drawing area's interior: 0 up to this, both ways.
int largestPointerPosition();

QString shapeRange();
QString viewRange();
QString distanceRange();
QString aspectRange();
QString scaleRange();

// The whole help, `program` being the name the program was started as.
QString helpText(const QString& program);
