#include "Fft.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace fft = kestran::fft;

namespace {

constexpr double Pi = 3.14159265358979323846;

std::vector<double> Cosine(long n, double cycles, double amplitude = 1.0) {
    std::vector<double> x(std::size_t(n), 0.0);
    for (long i = 0; i < n; ++i)
        x[std::size_t(i)] = amplitude * std::cos(2.0 * Pi * cycles * double(i) / double(n));
    return x;
}

std::vector<double> Noise(long n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    std::vector<double> x(static_cast<std::size_t>(n));
    for (double& v : x)
        v = dist(gen);
    return x;
}

long PeakBin(const std::vector<double>& re, const std::vector<double>& im, long upTo) {
    long best = 0;
    for (long k = 1; k < upTo; ++k) {
        if (std::hypot(re[std::size_t(k)], im[std::size_t(k)]) >
            std::hypot(re[std::size_t(best)], im[std::size_t(best)]))
            best = k;
    }
    return best;
}

} // namespace

TEST(Fft, CosinePeaksInItsBin) {
    for (const long n : {8L, 64L, 1024L}) {
        const double cycles = double(n / 8);
        std::vector<double> re = Cosine(n, cycles), im(std::size_t(n), 0.0);
        ASSERT_TRUE(fft::Real(re.data(), im.data(), n, false));
        EXPECT_EQ(PeakBin(re, im, n / 2), n / 8) << n;
        // A unit cosine puts n/2 into its bin and its mirror.
        EXPECT_NEAR(*fft::Magnitude(re.data(), im.data(), n, n / 8), double(n) / 2.0, 1e-9);
        EXPECT_NEAR(*fft::Magnitude(re.data(), im.data(), n, n - n / 8), double(n) / 2.0, 1e-9);
        EXPECT_NEAR(*fft::Phase(re.data(), im.data(), n, n / 8), 0.0, 1e-9);
    }
}

TEST(Fft, SinePhaseIsMinusHalfPi) {
    const long n = 32;
    std::vector<double> re(n), im(n, 0.0);
    for (long i = 0; i < n; ++i)
        re[std::size_t(i)] = std::sin(2.0 * Pi * 3.0 * double(i) / double(n));
    ASSERT_TRUE(fft::Complex(re.data(), im.data(), n, false));
    EXPECT_NEAR(*fft::Phase(re.data(), im.data(), n, 3), -Pi / 2.0, 1e-9);
}

TEST(Fft, ForwardThenInverseGivesTheInputBack) {
    for (const long n : {1L, 2L, 16L, 4096L}) {
        const std::vector<double> re0 = Noise(n, 1), im0 = Noise(n, 2);
        std::vector<double> re = re0, im = im0;
        ASSERT_TRUE(fft::Complex(re.data(), im.data(), n, false));
        ASSERT_TRUE(fft::Complex(re.data(), im.data(), n, true));
        for (long i = 0; i < n; ++i) {
            ASSERT_NEAR(re[std::size_t(i)], re0[std::size_t(i)], 1e-9) << n;
            ASSERT_NEAR(im[std::size_t(i)], im0[std::size_t(i)], 1e-9) << n;
        }
    }
}

TEST(Fft, RealForwardThenInverseGivesTheSamplesBack) {
    const long n = 2048;
    const std::vector<double> x = Noise(n, 3);
    std::vector<double> re = x, im(std::size_t(n), 123.0);
    ASSERT_TRUE(fft::Real(re.data(), im.data(), n, false));
    ASSERT_TRUE(fft::Real(re.data(), im.data(), n, true));
    for (long i = 0; i < n; ++i) {
        ASSERT_NEAR(re[std::size_t(i)], x[std::size_t(i)], 1e-9);
        ASSERT_EQ(im[std::size_t(i)], 0.0);
    }
}

TEST(Fft, ParsevalHoldsForTheTransform) {
    const long n = 512;
    std::vector<double> re = Noise(n, 4), im = Noise(n, 5);
    double timeEnergy = 0.0;
    for (long i = 0; i < n; ++i)
        timeEnergy += re[std::size_t(i)] * re[std::size_t(i)] + im[std::size_t(i)] * im[std::size_t(i)];
    ASSERT_TRUE(fft::Complex(re.data(), im.data(), n, false));
    double freqEnergy = 0.0;
    for (long k = 0; k < n; ++k)
        freqEnergy += re[std::size_t(k)] * re[std::size_t(k)] + im[std::size_t(k)] * im[std::size_t(k)];
    EXPECT_NEAR(freqEnergy / double(n), timeEnergy, 1e-9 * timeEnergy);
}

TEST(Fft, PowerSpectrumSumsToTheMeanSquareWithFrequenciesInIm) {
    const long n = 256;
    const double interval = 0.001; // 1 kHz sampling
    std::vector<double> re = Noise(n, 6), im(std::size_t(n), 0.0);
    double meanSquare = 0.0;
    for (double v : re)
        meanSquare += v * v / double(n);
    ASSERT_TRUE(fft::PowerSpectrum(re.data(), im.data(), n, interval));
    double total = 0.0;
    for (long k = 0; k < n; ++k)
        total += re[std::size_t(k)];
    EXPECT_NEAR(total, meanSquare, 1e-12);
    EXPECT_DOUBLE_EQ(im[1], 1000.0 / 256.0);
    EXPECT_DOUBLE_EQ(im[std::size_t(n / 2)], 500.0);
    EXPECT_EQ(re[std::size_t(n / 2 + 1)], 0.0);
    EXPECT_EQ(im[std::size_t(n - 1)], 0.0);
}

TEST(Fft, PowerSpectrumOfACosineIsHalfItsSquaredAmplitude) {
    const long n = 128;
    std::vector<double> re = Cosine(n, 10, 3.0), im(std::size_t(n), 0.0);
    ASSERT_TRUE(fft::PowerSpectrum(re.data(), im.data(), n, 1.0));
    EXPECT_NEAR(re[10], 4.5, 1e-12);
    EXPECT_NEAR(re[9], 0.0, 1e-12);
}

struct WindowCase {
    long type;
    long n;
    std::vector<double> expected;
};

TEST(Fft, WindowsHaveTheirKnownValues) {
    const std::vector<WindowCase> cases = {
        {fft::Rectangular, 4, {1, 1, 1, 1}},
        {fft::Hann, 5, {0, 0.5, 1, 0.5, 0}},
        {fft::Hamming, 5, {0.08, 0.54, 1, 0.54, 0.08}},
        {fft::Blackman, 5, {0, 0.34, 1, 0.34, 0}},
        {fft::Bartlett, 5, {0, 0.5, 1, 0.5, 0}},
        {fft::Welch, 5, {0, 0.75, 1, 0.75, 0}},
        {fft::Hann, 1, {1}},
    };
    for (const auto& c : cases) {
        std::vector<double> re(std::size_t(c.n), 1.0), im(std::size_t(c.n), 2.0);
        ASSERT_TRUE(fft::Window(re.data(), im.data(), c.n, c.type));
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_NEAR(re[i], c.expected[i], 1e-12) << c.type << " " << i;
            EXPECT_NEAR(im[i], 2.0 * c.expected[i], 1e-12) << c.type << " " << i;
        }
    }
}

TEST(Fft, FrequencyOfABin) {
    EXPECT_DOUBLE_EQ(*fft::Frequency(1024, 8000.0, 128), 1000.0);
    EXPECT_DOUBLE_EQ(*fft::Frequency(1024, 8000.0, 0), 0.0);
}

TEST(Fft, BadArgumentsAreRefusedAndLeaveTheArrays) {
    std::vector<double> re(12, 1.0), im(12, 1.0);
    const std::vector<double> before = re;
    EXPECT_FALSE(fft::Complex(re.data(), im.data(), 12, false));
    EXPECT_FALSE(fft::Complex(re.data(), im.data(), 0, false));
    EXPECT_FALSE(fft::Complex(re.data(), im.data(), -8, false));
    EXPECT_FALSE(fft::Complex(nullptr, im.data(), 8, false));
    EXPECT_FALSE(fft::Real(re.data(), nullptr, 8, false));
    EXPECT_FALSE(fft::Real(re.data(), im.data(), 6, true));
    EXPECT_FALSE(fft::PowerSpectrum(re.data(), im.data(), 8, 0.0));
    EXPECT_FALSE(fft::PowerSpectrum(re.data(), im.data(), 8, -1.0));
    EXPECT_FALSE(fft::PowerSpectrum(re.data(), im.data(), 8, std::nan("")));
    EXPECT_FALSE(fft::PowerSpectrum(re.data(), im.data(), 12, 1.0));
    EXPECT_FALSE(fft::Window(re.data(), im.data(), 8, 6));
    EXPECT_FALSE(fft::Window(re.data(), im.data(), 8, -1));
    EXPECT_FALSE(fft::Window(re.data(), im.data(), 0, 1));
    EXPECT_FALSE(fft::Window(nullptr, im.data(), 8, 1));
    EXPECT_EQ(re, before);
    EXPECT_EQ(im, before);
}

TEST(Fft, IndexQueriesRefuseIndicesOutsideTheArray) {
    const std::vector<double> re(8, 1.0), im(8, 1.0);
    for (const long index : {-1L, 8L, 1000000L}) {
        EXPECT_FALSE(fft::Magnitude(re.data(), im.data(), 8, index).has_value());
        EXPECT_FALSE(fft::Phase(re.data(), im.data(), 8, index).has_value());
        EXPECT_FALSE(fft::Frequency(8, 100.0, index).has_value());
    }
    EXPECT_FALSE(fft::Magnitude(nullptr, im.data(), 8, 0).has_value());
    EXPECT_FALSE(fft::Frequency(8, 0.0, 1).has_value());
    EXPECT_FALSE(fft::Frequency(0, 100.0, 0).has_value());
}

TEST(Fft, WindowTakesAnyLengthAndNullImaginaryPart) {
    std::vector<double> re(7, 1.0);
    ASSERT_TRUE(fft::Window(re.data(), nullptr, 7, fft::Hann));
    EXPECT_NEAR(re[3], 1.0, 1e-12);
    EXPECT_NEAR(re[0], 0.0, 1e-12);
}
