#include "play/questions.h"

#include <cstdio>

namespace quorvel {

namespace {

class Unasked : public PlayerQuestions {
  public:
    void tell(Notice, const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    bool confirm(const std::string&, const std::string&) override { return false; }
};

} // namespace

PlayerQuestions& unaskedQuestions() {
    static Unasked unasked;
    return unasked;
}

} // namespace quorvel
