#include "install/vdf.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace quorvane::install {

namespace {

// Real files nest three levels deep; anything far deeper is not a Steam file.
constexpr int kMaxDepth = 32;

class Tokens {
public:
    enum class Kind { End, String, Open, Close, Bad };
    struct Token {
        Kind kind;
        std::string text;
    };

    explicit Tokens(std::string_view text) : text_(text) {}

    Token Next() {
        SkipBlanksAndComments();
        if (pos_ >= text_.size()) return {Kind::End, {}};
        const char c = text_[pos_];
        if (c == '{') return ++pos_, Token{Kind::Open, {}};
        if (c == '}') return ++pos_, Token{Kind::Close, {}};
        if (c == '"') return Quoted();
        return Bare();
    }

private:
    void SkipBlanksAndComments() {
        while (pos_ < text_.size()) {
            if (std::isspace(static_cast<unsigned char>(text_[pos_]))) {
                ++pos_;
            } else if (text_.substr(pos_, 2) == "//") {
                const std::size_t end = text_.find('\n', pos_);
                pos_ = end == std::string_view::npos ? text_.size() : end;
            } else {
                break;
            }
        }
    }

    // Steam escapes backslashes and quotes inside strings (Windows paths are written
    // "C:\\Games"); other escapes of the format are kept as they stand.
    Token Quoted() {
        std::string out;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return {Kind::String, out};
            }
            if (c == '\\' && pos_ + 1 < text_.size()) {
                const char next = text_[++pos_];
                switch (next) {
                    case '\\':
                        out += '\\';
                        break;
                    case '"':
                        out += '"';
                        break;
                    case 'n':
                        out += '\n';
                        break;
                    case 't':
                        out += '\t';
                        break;
                    default:
                        out += '\\', out += next;
                        break;
                }
                continue;
            }
            out += c;
        }
        return {Kind::Bad, {}};  // the string never ends
    }

    Token Bare() {
        const std::size_t begin = pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (std::isspace(static_cast<unsigned char>(c)) || c == '{' || c == '}' || c == '"')
                break;
            ++pos_;
        }
        return {Kind::String, std::string(text_.substr(begin, pos_ - begin))};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// A platform condition such as [$WIN32] after a key or value; it does not change what is read.
bool IsCondition(const Tokens::Token& token) {
    return token.kind == Tokens::Kind::String && token.text.size() >= 2 &&
           token.text.front() == '[' && token.text.back() == ']';
}

// Reads entries into `block` until its closing brace (or the end of the text for the outermost).
bool ParseEntries(Tokens& tokens, VdfNode& block, int depth, bool outermost) {
    if (depth > kMaxDepth) return false;
    for (;;) {
        Tokens::Token key = tokens.Next();
        if (IsCondition(key)) continue;
        if (key.kind == Tokens::Kind::End) return outermost;
        if (key.kind == Tokens::Kind::Close) return !outermost;
        if (key.kind != Tokens::Kind::String) return false;

        Tokens::Token value = tokens.Next();
        if (IsCondition(value)) value = tokens.Next();
        VdfNode node;
        node.key = std::move(key.text);
        if (value.kind == Tokens::Kind::Open) {
            node.isBlock = true;
            if (!ParseEntries(tokens, node, depth + 1, false)) return false;
        } else if (value.kind == Tokens::Kind::String) {
            node.value = std::move(value.text);
        } else {
            return false;
        }
        block.children.push_back(std::move(node));
    }
}

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const VdfNode* VdfNode::Child(std::string_view name) const {
    for (const VdfNode& child : children) {
        if (platform::EqualsIgnoringCase(child.key, name)) return &child;
    }
    return nullptr;
}

std::optional<VdfNode> ParseVdf(std::string_view text) {
    Tokens tokens(text);
    VdfNode file;
    file.isBlock = true;
    if (!ParseEntries(tokens, file, 0, true)) return std::nullopt;
    return file;
}

std::vector<std::string> LibraryFolderPaths(const VdfNode& file) {
    std::vector<std::string> paths;
    const VdfNode* list = file.Child("libraryfolders");
    if (!list || !list->isBlock) return paths;
    for (const VdfNode& entry : list->children) {
        if (!AllDigits(entry.key)) continue;  // "contentstatsid" and the like
        if (!entry.isBlock) {
            paths.push_back(entry.value);
        } else if (const VdfNode* path = entry.Child("path"); path && !path->isBlock) {
            paths.push_back(path->value);
        }
    }
    return paths;
}

}  // namespace quorvane::install
