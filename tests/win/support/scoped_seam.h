// A seam table (a table of function pointers that defaults to the real API,
// such as the spooler's) changed for one test and put back as it was at scope
// end. A recorder derives from it as ScopedSeam<Table, Recorder>: its static
// stand-in functions reach the recorder in place through Active() and the
// functions they stand in for through Real().
#pragma once

namespace swtest {

template <typename Table, typename Recorder = void> class ScopedSeam {
  public:
    explicit ScopedSeam(Table& table) : table_(table), real_(table) { active_ = this; }
    ~ScopedSeam() {
        table_ = real_;
        active_ = nullptr;
    }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

    // The table as it was before the test changed it.
    const Table& Real() const { return real_; }
    static Recorder* Active() { return static_cast<Recorder*>(active_); }

  private:
    Table& table_;
    const Table real_;
    static inline ScopedSeam* active_ = nullptr;
};

} // namespace swtest
