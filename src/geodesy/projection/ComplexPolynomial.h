#pragma once
// A conformal plane-to-plane conversion as the Danish geodetic agency
// publishes them: the position, less an origin, as one complex number z,
// then w = c0 + c1·z + … + cd·z^d. Being analytic, it maps small figures
// into similar ones: its derivative's argument is the turn of the grid's
// axes and its modulus the change of scale, the same in every direction.

#include <array>
#include <complex>
#include <cstddef>

struct ComplexPolynomialDef {
  static constexpr std::size_t kMaxCoefficients = 9;  // degree 8 at most

  // Subtracted from the position's real and imaginary parts before z is
  // formed, metres.
  double originReal = 0, originImaginary = 0;
  std::size_t degree = 0;
  // Real and imaginary part of c0, c1, … in turn; unused ones are 0.
  std::array<std::array<double, 2>, kMaxCoefficients> coefficients{};
};

// w at z, by Horner's rule.
std::complex<double> EvaluateComplexPolynomial(const ComplexPolynomialDef& p, std::complex<double> z);
// dw/dz at z, by Horner's rule on k·ck.
std::complex<double> ComplexPolynomialDerivative(const ComplexPolynomialDef& p, std::complex<double> z);
