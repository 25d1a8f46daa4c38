#pragma once
// A polynomial in two variables of total degree at most D,
//   P(u, v) = sum over i + j <= D of c[i][j]·u^i·v^j,
// with its coefficients stored row by row (i = 0, j = 0..D; i = 1,
// j = 0..D−1; ...), evaluated by Horner's rule in v inside Horner's rule in
// u, together with its two partial derivatives.

#include <cstddef>
#include <span>

inline constexpr std::size_t TriangleTermCount(int degree) {
  return static_cast<std::size_t>((degree + 1) * (degree + 2) / 2);
}

struct PolynomialValue {
  double value = 0;
  double du = 0, dv = 0;  // partial derivatives
};

// c holds TriangleTermCount(degree) coefficients.
inline PolynomialValue EvaluateTriangle(std::span<const double> c, int degree, double u, double v) {
  PolynomialValue p;
  // Rows run from the highest power of u down, so that each step of the
  // outer rule multiplies what is summed so far by u once.
  std::size_t end = TriangleTermCount(degree);
  for (int i = degree; i >= 0; --i) {
    const std::size_t begin = end - static_cast<std::size_t>(degree - i + 1);
    double q = 0, qv = 0;
    for (std::size_t k = end; k-- > begin;) {
      qv = qv * v + q;
      q = q * v + c[k];
    }
    p.du = p.du * u + p.value;
    p.value = p.value * u + q;
    p.dv = p.dv * u + qv;
    end = begin;
  }
  return p;
}
