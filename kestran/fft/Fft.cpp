#include "Fft.h"

#include <cmath>
#include <utility>
#include <vector>

namespace kestran::fft {

namespace {

constexpr double Pi = 3.14159265358979323846;

// Largest transform accepted: far beyond any chart, and small enough that n never overflows.
constexpr long MaxPoints = 1L << 24;

bool TransformArgsOk(const double* re, const double* im, long n) {
    return re != nullptr && im != nullptr && IsPowerOfTwo(n) && n <= MaxPoints;
}

bool IndexOk(const double* re, const double* im, long n, long index) {
    return re != nullptr && im != nullptr && n > 0 && index >= 0 && index < n;
}

double WindowValue(long type, long i, long n) {
    if (n == 1)
        return 1.0;
    const double m = double(n - 1);
    const double x = 2.0 * Pi * double(i) / m;
    const double centred = (double(i) - m / 2.0) / (m / 2.0);
    switch (type) {
    case Hann:
        return 0.5 - 0.5 * std::cos(x);
    case Hamming:
        return 0.54 - 0.46 * std::cos(x);
    case Blackman:
        return 0.42 - 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x);
    case Bartlett:
        return 1.0 - std::fabs(centred);
    case Welch:
        return 1.0 - centred * centred;
    default:
        return 1.0;
    }
}

void BitReverse(double* re, double* im, long n) {
    for (long i = 1, j = 0; i < n; ++i) {
        long bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
    }
}

// Iterative radix-2; twiddles from one table per call so rounding does not build up along a stage.
void Transform(double* re, double* im, long n, bool inverse) {
    BitReverse(re, im, n);
    const double sign = inverse ? 1.0 : -1.0;
    std::vector<double> cosTable(std::size_t(n / 2)), sinTable(std::size_t(n / 2));
    for (long k = 0; k < n / 2; ++k) {
        cosTable[std::size_t(k)] = std::cos(2.0 * Pi * double(k) / double(n));
        sinTable[std::size_t(k)] = sign * std::sin(2.0 * Pi * double(k) / double(n));
    }
    for (long len = 2; len <= n; len <<= 1) {
        const long half = len / 2;
        const long stride = n / len;
        for (long start = 0; start < n; start += len) {
            for (long k = 0; k < half; ++k) {
                const double wr = cosTable[std::size_t(k * stride)];
                const double wi = sinTable[std::size_t(k * stride)];
                const long a = start + k;
                const long b = a + half;
                const double tr = re[b] * wr - im[b] * wi;
                const double ti = re[b] * wi + im[b] * wr;
                re[b] = re[a] - tr;
                im[b] = im[a] - ti;
                re[a] += tr;
                im[a] += ti;
            }
        }
    }
    if (inverse) {
        const double scale = 1.0 / double(n);
        for (long i = 0; i < n; ++i) {
            re[i] *= scale;
            im[i] *= scale;
        }
    }
}

} // namespace

bool IsPowerOfTwo(long n) {
    return n > 0 && (n & (n - 1)) == 0;
}

bool Window(double* re, double* im, long n, long windowType) {
    if (re == nullptr || n < 1 || n > MaxPoints || windowType < Rectangular || windowType > Welch)
        return false;
    for (long i = 0; i < n; ++i) {
        const double w = WindowValue(windowType, i, n);
        re[i] *= w;
        if (im != nullptr)
            im[i] *= w;
    }
    return true;
}

bool Complex(double* re, double* im, long n, bool inverse) {
    if (!TransformArgsOk(re, im, n))
        return false;
    Transform(re, im, n, inverse);
    return true;
}

bool Real(double* re, double* im, long n, bool inverse) {
    if (!TransformArgsOk(re, im, n))
        return false;
    if (!inverse) {
        for (long i = 0; i < n; ++i)
            im[i] = 0.0;
        Transform(re, im, n, false);
        return true;
    }
    Transform(re, im, n, true);
    // A real signal's spectrum leaves only rounding noise in the imaginary part.
    for (long i = 0; i < n; ++i)
        im[i] = 0.0;
    return true;
}

bool PowerSpectrum(double* re, double* im, long n, double interval) {
    if (!TransformArgsOk(re, im, n) || !std::isfinite(interval) || interval <= 0.0)
        return false;
    Transform(re, im, n, false);
    const double norm = 1.0 / (double(n) * double(n));
    std::vector<double> power(std::size_t(n / 2 + 1));
    power[0] = (re[0] * re[0] + im[0] * im[0]) * norm;
    for (long k = 1; k <= n / 2; ++k) {
        const long mirror = n - k;
        double p = re[k] * re[k] + im[k] * im[k];
        if (mirror != k)
            p += re[mirror] * re[mirror] + im[mirror] * im[mirror];
        power[std::size_t(k)] = p * norm;
    }
    const double binWidth = 1.0 / (double(n) * interval);
    for (long k = 0; k < n; ++k) {
        const bool kept = k <= n / 2;
        re[k] = kept ? power[std::size_t(k)] : 0.0;
        im[k] = kept ? double(k) * binWidth : 0.0;
    }
    return true;
}

std::optional<double> Magnitude(const double* re, const double* im, long n, long index) {
    if (!IndexOk(re, im, n, index))
        return std::nullopt;
    return std::hypot(re[index], im[index]);
}

std::optional<double> Phase(const double* re, const double* im, long n, long index) {
    if (!IndexOk(re, im, n, index))
        return std::nullopt;
    return std::atan2(im[index], re[index]);
}

std::optional<double> Frequency(long n, double sampleFreq, long index) {
    if (n < 1 || index < 0 || index >= n || !std::isfinite(sampleFreq) || sampleFreq <= 0.0)
        return std::nullopt;
    return double(index) * sampleFreq / double(n);
}

} // namespace kestran::fft
