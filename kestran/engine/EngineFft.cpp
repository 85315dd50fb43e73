// The spectral routines, handed through to the FFT library. A transform that needs more memory
// than there is fails like any refused transform, and the engine's error says why.

#include "EngineCodes.h"
#include "Fft.h"
#include "Kestran.h"

#include <new>

namespace {

template <typename Run> EngineBool Transform(Run run) {
    try {
        return run() ? 1 : 0;
    } catch (const std::bad_alloc&) {
        EngineReportError(kestran::codes::ErrorOutOfMemory, 0, 0);
        return 0;
    }
}

} // namespace

EngineBool EngineFFTWindow(double* re, double* im, long count, long windowType) {
    return Transform([&] { return kestran::fft::Window(re, im, count, windowType); });
}

EngineBool EngineFFTComplex(double* re, double* im, long count, int inverse) {
    return Transform([&] { return kestran::fft::Complex(re, im, count, inverse != 0); });
}

EngineBool EngineFFTReal(double* re, double* im, long count, int inverse) {
    return Transform([&] { return kestran::fft::Real(re, im, count, inverse != 0); });
}

EngineBool EngineFFTPowerSpectrum(double* re, double* im, long count, double interval) {
    return Transform([&] { return kestran::fft::PowerSpectrum(re, im, count, interval); });
}

double EngineFFTMagnitude(const double* re, const double* im, long count, long index) {
    return kestran::fft::Magnitude(re, im, count, index).value_or(0.0);
}

double EngineFFTPhase(const double* re, const double* im, long count, long index) {
    return kestran::fft::Phase(re, im, count, index).value_or(0.0);
}

double EngineFFTFrequency(long count, double sampleFrequency, long index) {
    return kestran::fft::Frequency(count, sampleFrequency, index).value_or(0.0);
}
