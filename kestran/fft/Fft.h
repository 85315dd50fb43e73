#pragma once

#include <optional>

// Spectral routines over caller-owned arrays of doubles: the real parts in re, the imaginary parts
// in im, n values each. Every routine checks its arguments first and refuses bad ones (null
// arrays, a count that is not a power of two where the transform needs one, an index outside the
// array, a non-positive interval or rate) with false or an empty result, leaving the arrays alone.
namespace kestran::fft {

// Window types for Window().
enum WindowType : long {
    Rectangular = 0,
    Hann = 1,     // 0.5 - 0.5 cos(2 pi i / (n - 1))
    Hamming = 2,  // 0.54 - 0.46 cos(2 pi i / (n - 1))
    Blackman = 3, // 0.42 - 0.5 cos(2 pi i / (n - 1)) + 0.08 cos(4 pi i / (n - 1))
    Bartlett = 4, // 1 - |(i - (n - 1) / 2) / ((n - 1) / 2)|
    Welch = 5,    // 1 - ((i - (n - 1) / 2) / ((n - 1) / 2))^2
};

// True for 1, 2, 4, 8, ...
bool IsPowerOfTwo(long n);

// Multiplies re (and im, when not null) by the symmetric window of n >= 1 points; n = 1 keeps the
// value. Unknown window types are refused.
bool Window(double* re, double* im, long n, long windowType);

// In-place complex transform, n a power of two. The forward transform is unscaled
// (X[k] = sum x[j] e^(-2 pi i jk/n)); the inverse divides by n, so forward then inverse gives the
// input back.
bool Complex(double* re, double* im, long n, bool inverse);

// Forward: the n real samples in re become the full complex spectrum in re and im (im is
// overwritten, its input ignored). Inverse: the spectrum in re and im (taken as the spectrum of a
// real signal) becomes n real samples in re; im is set to 0.
bool Real(double* re, double* im, long n, bool inverse);

// One-sided power spectrum of the samples in re and im (im all 0 for a real signal), sampled every
// `interval` (seconds, or any unit). Afterwards re[k] holds the power of frequency k / (n interval)
// for k = 0..n/2, the negative frequencies folded onto the positive ones, and im[k] that frequency;
// entries past n/2 are 0. Normalised so that the powers add up to the mean square of the samples.
bool PowerSpectrum(double* re, double* im, long n, double interval);

// |re[index] + i im[index]|.
std::optional<double> Magnitude(const double* re, const double* im, long n, long index);

// Argument of re[index] + i im[index], in radians (-pi..pi].
std::optional<double> Phase(const double* re, const double* im, long n, long index);

// Frequency of bin `index` of an n-point transform sampled at sampleFreq: index sampleFreq / n.
std::optional<double> Frequency(long n, double sampleFreq, long index);

} // namespace kestran::fft
