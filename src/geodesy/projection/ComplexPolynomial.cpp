#include "geodesy/projection/ComplexPolynomial.h"

namespace {

std::complex<double> CoefficientOf(const ComplexPolynomialDef& p, std::size_t k) {
  return {p.coefficients[k][0], p.coefficients[k][1]};
}

}  // namespace

std::complex<double> EvaluateComplexPolynomial(const ComplexPolynomialDef& p, std::complex<double> z) {
  std::complex<double> w = CoefficientOf(p, p.degree);
  for (std::size_t k = p.degree; k-- > 0;) w = w * z + CoefficientOf(p, k);
  return w;
}

std::complex<double> ComplexPolynomialDerivative(const ComplexPolynomialDef& p, std::complex<double> z) {
  std::complex<double> d = 0;
  for (std::size_t k = p.degree; k >= 1; --k) d = d * z + static_cast<double>(k) * CoefficientOf(p, k);
  return d;
}
