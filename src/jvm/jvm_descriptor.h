#pragma once
// One acceptable kind of JVM, described by a jvm file: where to look for it, its executable,
// the properties it must report and how command lines are written for it.
#include <functional>
#include <optional>
#include <string>

#include "archive/tag_file.h"
#include "jvm/hint_sources.h"
#include "jvm/jvm_match.h"
#include "launch/token_resolver.h"

namespace vd {

class JvmDescriptor;

// Checks one candidate home for a descriptor (the JVM search binds the verification class
// path and class name); nothing when the candidate does not match.
using CandidateCheck =
    std::function<std::optional<JvmMatch>(JvmDescriptor& jvm, const std::string& home)>;

class JvmDescriptor : public TokenResolver {
 public:
  JvmDescriptor() = default;
  // The name used in log lines is the tag file's source name.
  explicit JvmDescriptor(TagFile tags);
  JvmDescriptor(TagFile tags, std::string name);

  TagFile& tags() { return tags_; }
  const TagFile& tags() const { return tags_; }
  const std::string& name() const { return name_; }
  // Value `index` of a tag; empty when absent.
  std::string value(const std::string& key, int index = 0) const { return tags_.get(key, index); }
  std::string description() const { return value("DESC"); }
  bool searchAll() const { return tags_.getBoolean("SEARCH_ALL", false); }

  // `@NAME@`: value 0 of tag NAME; one trailing separator is dropped from JVM_HOME.
  void resolveToken(std::string& text, char delimiter, size_t start, size_t end) const override;

  // The three search strategies, tried in this order by the JVM search.
  std::optional<JvmMatch> findByPlatformHints(const CandidateCheck& verify,
                                              const HintSources& sources = systemHintSources());
  std::optional<JvmMatch> findByPathHints(const CandidateCheck& verify,
                                          const HintSources& sources = systemHintSources());
  std::optional<JvmMatch> findByPlatformJvmPaths(const CandidateCheck& verify);
  // VERIFY without a home: the jvm file's own JVM_HOME.
  std::optional<JvmMatch> verifyDeclaredHome(const CandidateCheck& verify);

  // Runs the verification class with this JVM's executable below `home` (defined in
  // verification.cpp). JVM_HOME is set to `home` whatever the outcome.
  std::optional<JvmMatch> verifyCandidate(const std::string& home, const std::string& classPath,
                                          const std::string& className);

  // Logs the warning and answers false when JVM_PROPERTIES is missing.
  bool hasRequiredProperties() const;

 private:
  std::optional<JvmMatch> checkPathHint(const CandidateCheck& verify, const std::string& hint,
                                        const std::vector<std::string>& drives);

  TagFile tags_;
  std::string name_;
};

}  // namespace vd
