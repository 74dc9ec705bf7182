#include "reference_engine.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex.h>

std::vector<std::vector<bool>> referenceLists(const std::string& dictionaryPath, const std::vector<std::string>& words,
                                              const std::vector<std::string>& names) {
    std::vector<std::vector<bool>> lists;
    if (std::system("command -v cmigemo >/dev/null 2>&1") != 0) return lists;
    const std::filesystem::path input = std::filesystem::temp_directory_path() / "halvo_kana_corpus_words.txt";
    {
        std::ofstream out(input, std::ios::binary);
        for (const std::string& word : words) out << word << '\n';
    }
    // One run for all words: the command reads a word a line and answers a line each.
    const std::string command = "cmigemo -q -n -d '" + dictionaryPath + "' < '" + input.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return lists;
    std::vector<std::string> expressions;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        expressions.push_back(line);
        line.clear();
    }
    pclose(pipe);
    std::filesystem::remove(input);
    if (expressions.size() != words.size()) return lists;

    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) std::setlocale(LC_CTYPE, "en_US.UTF-8");
    for (const std::string& expression : expressions) {
        // The command never means a brace as a count ("k\$_{eff}\$" is a word of the dictionary).
        std::string literal;
        for (const char c : expression) {
            if ((c == '{' || c == '}') && (literal.empty() || literal.back() != '\\')) literal += '\\';
            literal += c;
        }
        std::vector<bool> listed(names.size(), false);
        regex_t compiled;
        if (regcomp(&compiled, literal.c_str(), REG_EXTENDED | REG_ICASE | REG_NOSUB) == 0) {
            for (size_t i = 0; i < names.size(); ++i) listed[i] = regexec(&compiled, names[i].c_str(), 0, nullptr, 0) == 0;
            regfree(&compiled);
        } else {
            std::fprintf(stderr, "reference: cannot compile the expression for %s\n", words[lists.size()].c_str());
        }
        lists.push_back(std::move(listed));
    }
    std::setlocale(LC_CTYPE, "C");
    return lists;
}
