#pragma once

// Every figure a section can have: its symbol (the key of velkor-cli and of the result
// labels), the power of the length unit it is expressed in, and its Russian name.

#include <string_view>

namespace velkor {

// Powers of length in which the figures are expressed. An angle, in degrees, holds no
// length: no unit changes it.
enum Power { Degrees = 0, Length = 1, Area = 2, Modulus = 3, Inertia = 4 };

struct FigureKind {
    std::string_view symbol;
    int power;
    std::string_view name;
};

namespace figure {
inline constexpr FigureKind A{"A", Area, "Площадь сечения"};
inline constexpr FigureKind Xc{"Xc", Length, "Расстояние до центра тяжести по оси X"};
inline constexpr FigureKind Yc{"Yc", Length, "Расстояние до центра тяжести по оси Y"};
inline constexpr FigureKind I{"I", Inertia, "Момент инерции"};
inline constexpr FigureKind Ix{"Ix", Inertia, "Момент инерции относительно оси X"};
inline constexpr FigureKind Iy{"Iy", Inertia, "Момент инерции относительно оси Y"};
inline constexpr FigureKind W{"W", Modulus, "Момент сопротивления"};
inline constexpr FigureKind Wx{"Wx", Modulus, "Момент сопротивления относительно оси X"};
inline constexpr FigureKind Wy{"Wy", Modulus, "Момент сопротивления относительно оси Y"};
inline constexpr FigureKind W1x{"W1x", Modulus, "Момент сопротивления для верхнего волокна"};
inline constexpr FigureKind W2x{"W2x", Modulus, "Момент сопротивления для нижнего волокна"};
inline constexpr FigureKind W1y{"W1y", Modulus, "Момент сопротивления для левого волокна"};
inline constexpr FigureKind W2y{"W2y", Modulus, "Момент сопротивления для правого волокна"};
inline constexpr FigureKind i{"i", Length, "Радиус инерции"};
inline constexpr FigureKind ix{"ix", Length, "Радиус инерции относительно оси X"};
inline constexpr FigureKind iy{"iy", Length, "Радиус инерции относительно оси Y"};
inline constexpr FigureKind S{"S", Modulus, "Статический момент полусечения"};
inline constexpr FigureKind Sx{"Sx", Modulus, "Статический момент относительно оси X"};
inline constexpr FigureKind Sy{"Sy", Modulus, "Статический момент относительно оси Y"};
inline constexpr FigureKind Ixy{"Ixy", Inertia, "Центробежный момент инерции"};
inline constexpr FigureKind Iu{"Iu", Inertia, "Главный момент инерции, наибольший"};
inline constexpr FigureKind Iv{"Iv", Inertia, "Главный момент инерции, наименьший"};
inline constexpr FigureKind iu{"iu", Length, "Главный радиус инерции, наибольший"};
inline constexpr FigureKind iv{"iv", Length, "Главный радиус инерции, наименьший"};
inline constexpr FigureKind alpha{"alpha", Degrees, "Угол от оси X до главной оси u"};
} // namespace figure

} // namespace velkor
