#pragma once

// Every figure a section can have: its symbol (the key of velkor-cli and of the result
// labels), the power of the length unit it is expressed in, and its Russian name.

#include <string_view>

namespace velkor {

// Powers of length in which the figures are expressed. An angle, in degrees, holds no
// length: no unit changes it.
// A figure of power 0 keeps its own unit (degrees, m²/m) in every length unit.
enum Power {
    Unitless = 0,
    Degrees = 0,
    Length = 1,
    Area = 2,
    Modulus = 3,
    Inertia = 4,
    Warping = 6
};

struct FigureKind {
    std::string_view symbol;
    int power;
    std::string_view name;
    // the unit of a figure of power 0, as velkor-cli writes it and in Russian
    std::string_view fixedUnit = {}, fixedUnitRussian = {};
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
inline constexpr FigureKind alpha{"alpha", Degrees, "Угол от оси X до главной оси u", "°", "°"};

// what a design check needs beyond the calculators' figures
inline constexpr FigureKind Wplx{"Wplx", Modulus,
                                 "Пластический момент сопротивления относительно оси X"};
inline constexpr FigureKind Wply{"Wply", Modulus,
                                 "Пластический момент сопротивления относительно оси Y"};
inline constexpr FigureKind xpl{"xpl", Length,
                                "Пластическая нейтральная ось, параллельная Y, от левого края"};
inline constexpr FigureKind ypl{"ypl", Length,
                                "Пластическая нейтральная ось, параллельная X, от нижнего края"};
inline constexpr FigureKind Wu{"Wu", Modulus, "Момент сопротивления относительно главной оси u"};
inline constexpr FigureKind Wv{"Wv", Modulus, "Момент сопротивления относительно главной оси v"};
inline constexpr FigureKind Ip{"Ip", Inertia, "Полярный момент инерции"};
inline constexpr FigureKind U{"U", Length, "Периметр сечения"};
inline constexpr FigureKind Ui{"Ui", Length, "Внутренний периметр сечения"};
inline constexpr FigureKind surface{"surface", Unitless, "Площадь окраски одного погонного метра",
                                    "m2/m", "м2/м"};
inline constexpr FigureKind It{"It", Inertia, "Момент инерции при свободном кручении"};
inline constexpr FigureKind xs{"xs", Length, "Центр изгиба, от левого края"};
inline constexpr FigureKind ys{"ys", Length, "Центр изгиба, от нижнего края"};
inline constexpr FigureKind Iw{"Iw", Warping, "Секториальный момент инерции"};
} // namespace figure

// How a figure that is not exact for every section was found, for the reader of a report.
namespace model {
inline constexpr std::string_view OpenThinWalled =
    "тонкостенный открытый профиль: (1/3)·Σ b·t³ по пластинам, без коэффициента для сварных и "
    "болтовых сечений";
inline constexpr std::string_view Bredt = "формула Бредта по средней линии стенок";
inline constexpr std::string_view SaintVenant = "точный ряд Сен-Венана для прямоугольника";
inline constexpr std::string_view Centreline = "теория тонкостенных стержней по средней линии";
inline constexpr std::string_view OuterSurface = "наружная поверхность";
} // namespace model

} // namespace velkor
