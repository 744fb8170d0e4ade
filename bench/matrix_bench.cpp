// Speed of the worksheet's Gaussian solve (partial pivoting, long double)
// against Eigen's PartialPivLU as the anchor, in the complex domain (goal:
// 0.6 of Eigen's time) and the real one (goal: 1.2), and with the stop-poll
// hook against the fast mode (goal: 1.5); the residual ‖Ax − b‖ / (‖A‖‖x‖)
// of each solve is a counter.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <cmath>
#include <complex>
#include <cstdio>
#include <random>
#include <string>
#include <type_traits>

#include "bench_ratio.h"
#include "matrix/gauss_solver.h"

namespace {

using namespace tarvix;

constexpr int kOrders[] = {100, 300, 400};

// A random, well-conditioned system: uniform elements and a dominant diagonal.
CMatrix RandomMatrix(int n, bool complex, unsigned seed) {
    std::mt19937_64 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    CMatrix a(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            a(i, j).Re = dist(gen);
            if (complex) a(i, j).Im = dist(gen);
        }
    for (int i = 0; i < n; ++i) a(i, i).Re += 2.0L;
    return a;
}

CVector RandomVector(int n, bool complex, unsigned seed) {
    std::mt19937_64 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    CVector b(static_cast<std::size_t>(n));
    for (ComplexValue& z : b) z = {dist(gen), complex ? dist(gen) : 0.0};
    return b;
}

long double Abs(const ComplexValue& z) { return std::hypot(z.Re, z.Im); }

// ‖Ax − b‖∞ / (‖A‖∞ ‖x‖∞)
double Residual(const CMatrix& a, const CVector& x, const CVector& b) {
    long double r = 0, na = 0, nx = 0;
    for (int i = 0; i < a.Rows(); ++i) {
        ComplexValue s{};
        long double row = 0;
        for (int j = 0; j < a.Cols(); ++j) {
            s.Re += a(i, j).Re * x[j].Re - a(i, j).Im * x[j].Im;
            s.Im += a(i, j).Re * x[j].Im + a(i, j).Im * x[j].Re;
            row += Abs(a(i, j));
        }
        r = std::max(r, Abs({s.Re - b[i].Re, s.Im - b[i].Im}));
        na = std::max(na, row);
        nx = std::max(nx, Abs(x[i]));
    }
    return static_cast<double>(r / (na * nx));
}

// A stop poll that never stops: the cost of the hook calls alone.
class PollHooks : public SolveHooks {
public:
    bool PollActive() const override { return true; }
    bool StopRequested() override {
        benchmark::DoNotOptimize(++polls_);
        return false;
    }
    void Pass(int pass) override { benchmark::DoNotOptimize(pass); }
    void Row(int row) override { benchmark::DoNotOptimize(row); }

private:
    long polls_ = 0;
};

// A system of order n and its solvers.
struct System {
    System(int n, bool complex)
        : complex(complex), a(RandomMatrix(n, complex, 1)), b(RandomVector(n, complex, 2)) {}
    bool complex;
    CMatrix a;
    CVector b;
};

// The worksheet's solve, with or without the stop-poll hook; the solution in x.
class TarvixSolver {
public:
    TarvixSolver(const System& system, bool poll)
        : system_(system),
          monitor_(poll ? &pollHooks_ : nullptr, FormatOptions{}),
          context_{monitor_, BuiltInMatrixMessages(), system.complex ? nsComplex : nsReal} {}
    void operator()() {
        CMatrix work = system_.a;
        CVector rhs = system_.b;
        std::vector<int> perm;
        GaussSolve(work, rhs, x, perm, context_);
        benchmark::DoNotOptimize(x.data());
    }
    CVector x;

private:
    const System& system_;
    PollHooks pollHooks_;
    SolveMonitor monitor_;
    MatrixContext context_;
};

// Eigen's PartialPivLU on the same system; the solution in x.
template <class Scalar>
class EigenSolver {
public:
    using Mat = Eigen::Matrix<Scalar, Eigen::Dynamic, Eigen::Dynamic>;
    using Vec = Eigen::Matrix<Scalar, Eigen::Dynamic, 1>;
    static constexpr bool kComplex = !std::is_same_v<Scalar, long double>;

    explicit EigenSolver(const System& system) {
        const int n = system.a.Rows();
        a_.resize(n, n);
        b_.resize(n);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) a_(i, j) = Element(system.a(i, j));
            b_(i) = Element(system.b[i]);
        }
    }
    void operator()() {
        Eigen::PartialPivLU<Mat> lu(a_);
        x_ = lu.solve(b_);
        benchmark::DoNotOptimize(x_.data());
    }
    CVector Solution() const {
        CVector x(static_cast<std::size_t>(x_.size()));
        for (int i = 0; i < x_.size(); ++i) {
            if constexpr (kComplex)
                x[i] = {x_(i).real(), x_(i).imag()};
            else
                x[i] = {x_(i), 0.0L};
        }
        return x;
    }

private:
    static Scalar Element(const ComplexValue& z) {
        if constexpr (kComplex)
            return Scalar(z.Re, z.Im);
        else
            return z.Re;
    }
    Mat a_;
    Vec b_;
    Vec x_;
};

// The worksheet's solve against Eigen's (goal: `target` times its time).
template <class Scalar>
void VersusEigen(benchmark::State& state, double target) {
    const int n = static_cast<int>(state.range(0));
    const System system(n, EigenSolver<Scalar>::kComplex);
    TarvixSolver tarvix(system, false);
    EigenSolver<Scalar> eigen(system);
    bench::MeasureRatio(state, target, tarvix, eigen);
    state.counters["residual"] = Residual(system.a, tarvix.x, system.b);
    state.counters["eigen_residual"] = Residual(system.a, eigen.Solution(), system.b);
    state.counters["limit"] = 10.0 * n * 1.1e-19;
}

// The solve with the stop-poll hook against the solve without it.
void PollVersusFast(benchmark::State& state, bool complex) {
    const System system(static_cast<int>(state.range(0)), complex);
    TarvixSolver poll(system, true);
    TarvixSolver fast(system, false);
    bench::MeasureRatio(state, 1.5, poll, fast);
    state.counters["residual"] = Residual(system.a, poll.x, system.b);
}

void BM_ComplexVsEigen(benchmark::State& s) {
    VersusEigen<std::complex<long double>>(s, 0.6);
}
void BM_RealVsEigen(benchmark::State& s) {
    VersusEigen<long double>(s, 1.2);
}
void BM_ComplexPollVsFast(benchmark::State& s) {
    PollVersusFast(s, true);
}
void BM_RealPollVsFast(benchmark::State& s) {
    PollVersusFast(s, false);
}

void Orders(benchmark::internal::Benchmark* b) {
    for (int n : kOrders) b->Arg(n);
    b->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

BENCHMARK(BM_ComplexVsEigen)->Apply(Orders);
BENCHMARK(BM_RealVsEigen)->Apply(Orders);
BENCHMARK(BM_ComplexPollVsFast)->Apply(Orders);
BENCHMARK(BM_RealPollVsFast)->Apply(Orders);

}  // namespace
