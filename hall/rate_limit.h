// Uploads per address: each address has a bucket of `burst` uploads that refills at
// `perMinute`; an upload that finds it empty is refused (429) and costs nothing more.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace stonewick::hall {

class RateLimit {
 public:
  // perMinute 0 turns the limit off.
  RateLimit(double perMinute, double burst) : perMinute_(perMinute), burst_(burst) {}
  // Takes one upload from the address's bucket at `nowMs`; false when it is empty.
  bool Allow(const std::string& address, std::int64_t nowMs);

 private:
  struct Bucket {
    double uploads = 0;
    std::int64_t atMs = 0;
  };
  double perMinute_;
  double burst_;
  std::mutex mutex_;
  std::unordered_map<std::string, Bucket> buckets_;
};

}  // namespace stonewick::hall
