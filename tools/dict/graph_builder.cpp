#include "graph_builder.h"

#include <map>
#include <queue>
#include <tuple>

#include "lang_dict.h"

namespace vorpex::dict {

namespace {

struct TrieNode {
  char letter = 0;
  bool endOfWord = false;
  std::vector<int> children;  // indexes into the trie, ascending letters
};

// One entry of a sibling group: letter, end of word, child group (-1 = none).
using GroupEntry = std::tuple<char, bool, int>;
using Group = std::vector<GroupEntry>;

class Builder {
 public:
  explicit Builder(const std::vector<std::string>& words) {
    trie_.emplace_back();  // the root, whose children are the root group
    for (const std::string& word : words) insert(word);
  }

  GraphResult build() {
    // The root group is never a child (a finite list has no word whose
    // continuations are the whole list), so it stays out of the shared table.
    const Group root = groupOf(0);
    return layout(root);
  }

 private:
  void insert(const std::string& word) {
    int at = 0;
    for (char ch : word) {
      // Words arrive sorted, so a child for `ch` can only be the last one.
      std::vector<int>& kids = trie_[at].children;
      if (kids.empty() || trie_[kids.back()].letter != ch) {
        trie_.push_back(TrieNode{ch, false, {}});
        trie_[at].children.push_back(static_cast<int>(trie_.size()) - 1);
      }
      at = trie_[at].children.back();
    }
    trie_[at].endOfWord = true;
  }

  // The group of `node`'s children, with their own child groups interned.
  Group groupOf(int node) {
    Group group;
    for (int child : trie_[node].children) {
      const TrieNode& c = trie_[child];
      const int childGroup = c.children.empty() ? -1 : intern(groupOf(child));
      group.emplace_back(c.letter, c.endOfWord, childGroup);
    }
    return group;
  }

  int intern(Group group) {
    auto [it, inserted] = ids_.try_emplace(std::move(group), static_cast<int>(groups_.size()));
    if (inserted) groups_.push_back(it->first);
    return it->second;
  }

  GraphResult layout(const Group& root) {
    std::vector<uint32_t> start(groups_.size(), 0);
    std::vector<bool> placed(groups_.size(), false);
    std::vector<int> order;  // interned groups in placement order
    uint64_t next = root.size();
    std::queue<int> pending;
    auto visitChildren = [&](const Group& g) {
      for (const auto& [letter, eow, child] : g) {
        if (child < 0 || placed[child]) continue;
        placed[child] = true;
        start[child] = static_cast<uint32_t>(next);
        next += groups_[child].size();
        order.push_back(child);
        pending.push(child);
      }
    };
    visitChildren(root);
    while (!pending.empty()) {
      const int g = pending.front();
      pending.pop();
      visitChildren(groups_[g]);
    }
    if (next > wordcore::node::kMaxNodes) {
      return {{}, "the graph needs " + std::to_string(next) +
                      " nodes; the format holds at most 524288"};
    }
    GraphResult result;
    result.nodes.reserve(next);
    auto emit = [&](const Group& g) {
      for (size_t k = 0; k < g.size(); ++k) {
        const auto& [letter, eow, child] = g[k];
        const uint32_t firstChild = child < 0 ? 0 : start[child];
        result.nodes.push_back(wordcore::node::make(letter, eow, k + 1 < g.size(), firstChild));
      }
    };
    emit(root);
    for (int g : order) emit(groups_[g]);
    return result;
  }

  std::vector<TrieNode> trie_;
  std::map<Group, int> ids_;
  std::vector<Group> groups_;
};

}  // namespace

GraphResult buildGraph(const std::vector<std::string>& words) {
  if (words.empty()) return {{}, "the list holds no word"};
  return Builder(words).build();
}

}  // namespace vorpex::dict
