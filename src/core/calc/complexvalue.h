#pragma once

// A complex value with the plain arithmetic the calculators rely on. Division
// uses the textbook formula without rescaling, and a value is zero exactly
// when its squared magnitude (norm) is 0.
struct Complex {
    double re = 0.0;
    double im = 0.0;

    constexpr Complex() = default;
    constexpr Complex(double real, double imag = 0.0) : re(real), im(imag) {}

    Complex& operator+=(const Complex& b) {
        re += b.re;
        im += b.im;
        return *this;
    }
    Complex& operator-=(const Complex& b) {
        re -= b.re;
        im -= b.im;
        return *this;
    }
    Complex& operator*=(const Complex& b) { return *this = *this * b; }
    Complex& operator/=(const Complex& b) { return *this = *this / b; }

    friend Complex operator+(Complex a, const Complex& b) { return a += b; }
    friend Complex operator-(Complex a, const Complex& b) { return a -= b; }
    friend Complex operator-(const Complex& a) { return Complex(-a.re, -a.im); }
    friend Complex operator*(const Complex& a, const Complex& b) {
        return Complex(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re);
    }
    friend Complex operator/(const Complex& a, const Complex& b) {
        const double d = b.re * b.re + b.im * b.im;
        return Complex((a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d);
    }
    friend bool operator==(const Complex& a, const Complex& b) {
        return a.re == b.re && a.im == b.im;
    }
};

// The squared magnitude re² + im².
constexpr double norm(const Complex& a) { return a.re * a.re + a.im * a.im; }
