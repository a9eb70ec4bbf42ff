#include "naming/stroke_cache.hpp"

#include "dictionary/strokes.hpp"

namespace tavrin {

StrokeCache::StrokeCache(Lookup lookup) : lookup_(std::move(lookup)) {}

int StrokeCache::Strokes(std::string_view character) {
  std::lock_guard lock(mutex_);
  if (character.size() < 2) {
    counts_.clear();
    text_.clear();
    return 0;
  }
  // A hash map beside the text: scanning the text for every character of a
  // long batch would make the cache slower than the tables it saves.
  const std::string key(character);
  if (const auto found = counts_.find(key); found != counts_.end()) return found->second;
  const int count = lookup_(character);
  counts_.emplace(key, count);
  text_ += "[" + key + "]" + std::to_string(count) + "/";
  return count;
}

GbkText StrokeCache::Text() const {
  std::lock_guard lock(mutex_);
  return text_;
}

StrokeCache& SharedStrokeCache() {
  static StrokeCache cache(StrokeCount);
  return cache;
}

int CachedStrokes(std::string_view character) { return SharedStrokeCache().Strokes(character); }

}  // namespace tavrin
