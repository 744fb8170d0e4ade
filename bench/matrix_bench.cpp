// Speed of the worksheet's Gaussian solve (partial pivoting, long double)
// against Eigen's PartialPivLU as the anchor, in the complex and the real
// domain, in the fast mode and with a stop-poll hook; the residual
// ‖Ax − b‖ / (‖A‖‖x‖) of each solve is a counter. After the runs the ratios
// of the pairs are printed.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <cmath>
#include <complex>
#include <cstdio>
#include <map>
#include <random>
#include <string>

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

void TarvixSolve(benchmark::State& state, bool complex, bool poll) {
    const int n = static_cast<int>(state.range(0));
    const CMatrix a = RandomMatrix(n, complex, 1);
    const CVector b = RandomVector(n, complex, 2);
    PollHooks pollHooks;
    SolveMonitor monitor(poll ? &pollHooks : nullptr, FormatOptions{});
    MatrixContext context{monitor, BuiltInMatrixMessages(), complex ? nsComplex : nsReal};
    CVector x;
    for (auto _ : state) {
        CMatrix work = a;
        CVector rhs = b;
        std::vector<int> perm;
        GaussSolve(work, rhs, x, perm, context);
        benchmark::DoNotOptimize(x.data());
    }
    state.counters["residual"] = Residual(a, x, b);
    state.counters["limit"] = 10.0 * n * 1.1e-19;
}

template <class Scalar>
void EigenSolve(benchmark::State& state) {
    constexpr bool complex = !std::is_same_v<Scalar, long double>;
    const int n = static_cast<int>(state.range(0));
    const CMatrix a = RandomMatrix(n, complex, 1);
    const CVector b = RandomVector(n, complex, 2);
    using Mat = Eigen::Matrix<Scalar, Eigen::Dynamic, Eigen::Dynamic>;
    using Vec = Eigen::Matrix<Scalar, Eigen::Dynamic, 1>;
    Mat ea(n, n);
    Vec eb(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if constexpr (complex)
                ea(i, j) = Scalar(a(i, j).Re, a(i, j).Im);
            else
                ea(i, j) = a(i, j).Re;
        }
        if constexpr (complex)
            eb(i) = Scalar(b[i].Re, b[i].Im);
        else
            eb(i) = b[i].Re;
    }
    Vec ex;
    for (auto _ : state) {
        Eigen::PartialPivLU<Mat> lu(ea);
        ex = lu.solve(eb);
        benchmark::DoNotOptimize(ex.data());
    }
    CVector x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        if constexpr (complex)
            x[i] = {ex(i).real(), ex(i).imag()};
        else
            x[i] = {ex(i), 0.0L};
    }
    state.counters["residual"] = Residual(a, x, b);
}

void BM_ComplexTarvix(benchmark::State& s) { TarvixSolve(s, true, false); }
void BM_ComplexTarvixPoll(benchmark::State& s) { TarvixSolve(s, true, true); }
void BM_ComplexEigen(benchmark::State& s) { EigenSolve<std::complex<long double>>(s); }
void BM_RealTarvix(benchmark::State& s) { TarvixSolve(s, false, false); }
void BM_RealTarvixPoll(benchmark::State& s) { TarvixSolve(s, false, true); }
void BM_RealEigen(benchmark::State& s) { EigenSolve<long double>(s); }

void Orders(benchmark::internal::Benchmark* b) {
    for (int n : kOrders) b->Arg(n);
    b->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

BENCHMARK(BM_ComplexTarvix)->Apply(Orders);
BENCHMARK(BM_ComplexTarvixPoll)->Apply(Orders);
BENCHMARK(BM_ComplexEigen)->Apply(Orders);
BENCHMARK(BM_RealTarvix)->Apply(Orders);
BENCHMARK(BM_RealTarvixPoll)->Apply(Orders);
BENCHMARK(BM_RealEigen)->Apply(Orders);

// Console output plus the mean time per iteration of every run, by name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.iterations > 0) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    void PrintRatios() const {
        std::printf("\nRatios of CPU time per solve:\n");
        for (int n : kOrders) {
            const std::string k = "/" + std::to_string(n) + "/min_time:0.500";
            Ratio("complex Tarvix / Eigen", "BM_ComplexTarvix" + k, "BM_ComplexEigen" + k, n, 0.6);
            Ratio("real Tarvix / Eigen", "BM_RealTarvix" + k, "BM_RealEigen" + k, n, 1.2);
            Ratio("complex poll / fast", "BM_ComplexTarvixPoll" + k, "BM_ComplexTarvix" + k, n, 1.5);
            Ratio("real poll / fast", "BM_RealTarvixPoll" + k, "BM_RealTarvix" + k, n, 1.5);
        }
    }

private:
    void Ratio(const char* what, const std::string& a, const std::string& b, int n,
               double goal) const {
        auto ia = times_.find(a), ib = times_.find(b);
        if (ia == times_.end() || ib == times_.end()) return;
        std::printf("  n=%3d  %-24s %.3f  (goal <= %.1f)\n", n, what, ia->second / ib->second,
                    goal);
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
