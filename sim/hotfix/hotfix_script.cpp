// Reading a stand-in installation's script.
#include "hotfix_script.h"

#include <stdlib.h>
#include <sstream>

static bool ParseWindow(const std::string &text, HotfixWindow *window)
{
    std::istringstream words(text);
    std::string kind;
    if (!(words >> kind))
        return false;
    if (kind == "confirm")
        window->kind = HOTFIX_CONFIRM;
    else if (kind == "notice")
        window->kind = HOTFIX_NOTICE;
    else if (kind == "progress")
        window->kind = HOTFIX_PROGRESS;
    else
        return false;
    window->name = kind;
    window->ignore = 0;
    window->workMs = 0;
    window->shape = SHAPE_PANELS;
    window->decoy = false;
    std::string word;
    while (words >> word) {
        size_t equals = word.find('=');
        std::string key = word.substr(0, equals);
        std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
        if (key == "name")
            window->name = value;
        else if (key == "ignore")
            window->ignore = atoi(value.c_str());
        else if (key == "shape")
            window->shape = value == "bare" ? SHAPE_BARE : value == "flat" ? SHAPE_FLAT : SHAPE_PANELS;
        else if (key == "decoy")
            window->decoy = true;
        else if (!word.empty() && word[0] >= '0' && word[0] <= '9')
            window->workMs = (unsigned)strtoul(word.c_str(), NULL, 10);
    }
    return true;
}

std::vector<HotfixStage> ParseHotfixScript(const std::string &text)
{
    std::vector<HotfixStage> stages;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[line.size() - 1] == '\r')
            line.erase(line.size() - 1);
        if (line.empty() || line[0] == '#')
            continue;
        HotfixStage stage;
        size_t at = 0;
        for (;;) {
            size_t plus = line.find(" + ", at);
            HotfixWindow window;
            if (ParseWindow(line.substr(at, plus == std::string::npos ? std::string::npos : plus - at), &window))
                stage.push_back(window);
            if (plus == std::string::npos)
                break;
            at = plus + 3;
        }
        if (!stage.empty())
            stages.push_back(stage);
    }
    if (stages.empty()) {
        HotfixWindow confirm = { HOTFIX_CONFIRM, "confirm", 0, 0, SHAPE_PANELS, false };
        HotfixWindow progress = { HOTFIX_PROGRESS, "progress", 0, 500, SHAPE_PANELS, false };
        stages.push_back(HotfixStage(1, confirm));
        stages.push_back(HotfixStage(1, progress));
    }
    return stages;
}
