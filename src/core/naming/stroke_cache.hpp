#pragma once
// Stroke counts memoised for the life of the process. The name test (window
// thread) and the batch test (its own thread) share one cache, so every
// lookup-and-append is atomic.
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "text/gbk_text.hpp"

namespace tavrin {

class StrokeCache {
 public:
  using Lookup = std::function<int(std::string_view character)>;
  explicit StrokeCache(Lookup lookup);

  // The count of one two-byte character: from the cache, or looked up once and
  // remembered (0 included). A text shorter than two bytes empties the cache and
  // gives 0.
  int Strokes(std::string_view character);

  // The cache as text, entries "[" + character + "]" + count + "/" in order of
  // first use: [王]4/[小]3/.
  GbkText Text() const;

 private:
  Lookup lookup_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, int> counts_;
  GbkText text_;
};

// The process-wide cache over the dictionary's StrokeCount.
int CachedStrokes(std::string_view character);
StrokeCache& SharedStrokeCache();

}  // namespace tavrin
