// The spectral routines, handed through to the FFT library.

#include "Fft.h"
#include "Kestran.h"

EngineBool EngineFFTWindow(double* re, double* im, long count, long windowType) {
    return kestran::fft::Window(re, im, count, windowType) ? 1 : 0;
}

EngineBool EngineFFTComplex(double* re, double* im, long count, int inverse) {
    return kestran::fft::Complex(re, im, count, inverse != 0) ? 1 : 0;
}

EngineBool EngineFFTReal(double* re, double* im, long count, int inverse) {
    return kestran::fft::Real(re, im, count, inverse != 0) ? 1 : 0;
}

EngineBool EngineFFTPowerSpectrum(double* re, double* im, long count, double interval) {
    return kestran::fft::PowerSpectrum(re, im, count, interval) ? 1 : 0;
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
