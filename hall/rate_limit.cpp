// Token buckets per address, forgotten once full again so the table stays small.
#include "hall/rate_limit.h"

#include <algorithm>

namespace stonewick::hall {
namespace {

constexpr std::size_t kForgetAbove = 10'000;  // addresses remembered before full ones go

}  // namespace

bool RateLimit::Allow(const std::string& address, std::int64_t nowMs) {
  if (perMinute_ <= 0) {
    return true;
  }
  std::lock_guard lock(mutex_);
  auto refilled = [&](const Bucket& bucket) {
    return std::min(
        burst_, bucket.uploads + perMinute_ * static_cast<double>(nowMs - bucket.atMs) / 60'000.0);
  };
  if (buckets_.size() > kForgetAbove) {
    std::erase_if(buckets_, [&](const auto& entry) { return refilled(entry.second) >= burst_; });
  }
  auto [at, added] = buckets_.try_emplace(address, Bucket{burst_, nowMs});
  Bucket& bucket = at->second;
  bucket.uploads = refilled(bucket);
  bucket.atMs = nowMs;
  if (bucket.uploads < 1) {
    return false;
  }
  bucket.uploads -= 1;
  return true;
}

}  // namespace stonewick::hall
