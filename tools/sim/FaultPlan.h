#pragma once

#include "sim_bytes.h"

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace cpe::sim {

struct FaultOptions {
    double loss = 0;      // each datagram, in or out, is lost with this probability
    double duplicate = 0; // each datagram sent goes out twice with this probability
    double malformed = 0; // each datagram sent is cut or corrupted with this probability
    double delayMinMs = 0, delayMaxMs = 0;
    std::set<int> silent; // message types the devices never answer (or send)
    std::set<int> fail;   // message types the devices answer with a failure
    double timeScale = 1; // every device delay is multiplied by this
};

// Parses "2,9,11" into message types 1..19; false with a reason otherwise.
bool ParseTypeList(const std::string& text, std::set<int>& out, std::string& why);
// Parses "A-B" (or "A") milliseconds.
bool ParseDelayRange(const std::string& text, double& lo, double& hi, std::string& why);

// The faults of a run, drawn from a generator seeded by the run's seed so runs repeat.
class FaultPlan {
public:
    FaultPlan(FaultOptions options, std::uint64_t seed);

    bool Lose() { return Draw(opt_.loss); }
    bool Duplicate() { return Draw(opt_.duplicate); }
    bool Malform() { return Draw(opt_.malformed); }
    bool Silent(int type) const { return opt_.silent.count(type) != 0; }
    bool Fails(int type) const { return opt_.fail.count(type) != 0; }
    double Scale(double seconds) const { return seconds * opt_.timeScale; }
    double AnswerDelay(); // seconds, already scaled
    double Uniform(double lo, double hi);

    // A cut or corrupted copy: shorter than the header, a payload cut short of its data_len,
    // wrong magic, or random bytes flipped.
    std::vector<std::uint8_t> Corrupt(ConstBytes datagram, const char*& how);

private:
    bool Draw(double p);
    FaultOptions opt_;
    std::mt19937_64 rng_;
};

} // namespace cpe::sim
