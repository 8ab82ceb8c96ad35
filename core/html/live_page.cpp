#include "html/live_page.h"

#include "bracket/sheet_words.h"
#include "html/live_parts.h"
#include "text/document_text.h"

namespace kaz {
namespace {

// The page's style. The chart keeps its natural size (no text under 12 CSS pixels), scrolling
// sideways inside its own box on a narrow screen; from a tablet's width on it shrinks, where it
// must, to the page's width, so that the whole of it shows.
constexpr char kStyleStart[] =
    "*{box-sizing:border-box}\n"
    "body{margin:0;padding:12px;background:var(--bg);color:var(--fg);"
    "font:16px/1.5 system-ui,\"Noto Sans CJK JP\",\"Hiragino Sans\",\"Yu Gothic\",Meiryo,"
    "sans-serif;overflow-wrap:anywhere}\n"
    "h1{font-size:1.4em;margin:0}\n"
    ".sub{margin:0}\n"
    ".updated{margin:.2em 0 .8em;color:var(--muted);font-size:14px}\n"
    ".chart{overflow-x:auto;max-width:100%;margin:0 0 1em}\n"
    ".c{display:block}\n"
    ".c text{dominant-baseline:central;fill:var(--member)}\n"
    ".bg{fill:var(--chart)}.f{fill:none;stroke:var(--member)}\n"
    ".n{font-size:13px}.k,.x{font-size:12px}.t{font-size:18px;font-weight:bold}"
    ".st{font-size:14px}.m{text-anchor:middle}.e{text-anchor:end}\n"
    ".c .s{font-size:12px;fill:var(--score);stroke:var(--chart);stroke-width:3px;"
    "paint-order:stroke}\n"
    ".c .ch{font-size:15px;font-weight:bold;fill:var(--score)}\n"
    ".top{margin:0 0 1em}.top p{margin:0}.champion{font-size:1.3em}"
    ".top h2{font-size:1.1em;margin:.5em 0 .2em}.recent{margin:0;padding-left:2em}\n"
    ".results h2{font-size:1.2em;margin:0}.results h3{font-size:1em;margin:.8em 0 .2em}\n"
    ".results ol,.results ul{margin:0;padding-left:2em}.winner{font-size:1.2em;margin:0}\n"
    ".sc{white-space:nowrap}\n"
    "@media (min-width:768px){.c{max-width:100%;height:auto}}\n";

// Asks for the page's own address every `seconds` and, where the body or the style changed,
// puts in the new ones, keeping the reader's place (the page's scroll and the chart's). It sends
// the tag of the page it has, so that a server answers 304 while nothing changed. Where it
// cannot fetch (an old browser, a file opened from disk), it reloads. No '<' or '>' in it.
void appendUpdateScript(html::PageBuffer& out, int seconds) {
    out +=
        "<script>\n(function(){var d=document,w=window,tag=null;"
        "function later(){setTimeout(check,";
    html::appendInt(out, seconds * 1000);
    out +=
        ")}"
        "function check(){"
        "if(!w.fetch||!w.DOMParser||location.protocol==='file:'){location.reload();return}"
        "var h={};if(tag)h['If-None-Match']=tag;"
        "fetch(location.href,{cache:'no-store',headers:h}).then(function(r){"
        "if(r.status===304)return null;if(!r.ok)throw r.status;"
        "tag=r.headers.get('ETag');return r.text()}).then(function(text){if(text===null)return;"
        "var n=new DOMParser().parseFromString(text,'text/html'),"
        "s=d.querySelector('style'),t=n.querySelector('style');"
        "if(s&&t&&s.textContent!==t.textContent)s.textContent=t.textContent;"
        "if(n.body&&n.body.innerHTML!==d.body.innerHTML){"
        "var x=w.scrollX,y=w.scrollY,c=d.querySelector('.chart'),l=c?c.scrollLeft:0;"
        "d.title=n.title;d.body.innerHTML=n.body.innerHTML;"
        "c=d.querySelector('.chart');if(c)c.scrollLeft=l;w.scrollTo(x,y)}"
        "}).catch(function(){}).then(later)}"
        "later()})();\n</script>\n";
}

void appendColors(html::PageBuffer& out, const live::LiveColors& colors, bool dark) {
    out += "--chart:";
    out += dark ? "#1e1f22" : colors.background;
    out += ";--member:";
    out += dark ? "#e8e8e8" : colors.member;
    out += ";--score:";
    out += colors.score;
}

void appendStyle(html::PageBuffer& out, const live::LiveColors& colors, const std::string& extra) {
    out += "<style>\n:root{color-scheme:light dark;--bg:#fff;--fg:#1a1a1a;--muted:#555;";
    appendColors(out, colors, false);
    out += "}\n.w{fill:";
    out += colors.win;
    out += "}.l{fill:";
    out += colors.lose;
    out += "}\n";
    out += kStyleStart;
    out += extra;
    // A dark browser gets a dark page; the chart turns dark too where its lines stand out on
    // it, and otherwise keeps the bracket's own background, on which they were chosen.
    out += "@media (prefers-color-scheme:dark){:root{--bg:#1e1f22;--fg:#e8e8e8;--muted:#aaa";
    if (colors.darkChart) {
        out += ';';
        appendColors(out, colors, true);
    }
    out += "}}\n@media print{:root{--bg:#fff;--fg:#000;--muted:#333;";
    appendColors(out, colors, false);
    out +=
        "}body{padding:0}.chart{overflow:visible}.c{max-width:100%;height:auto}"
        "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}}\n</style>\n";
}

}  // namespace

void live::writeLiveHead(PageBuffer& out, const LiveHead& head) {
    const SheetWords& words = sheetWords(head.language);
    out += "<!DOCTYPE html>\n<html lang=\"";
    out += std::string_view(words.pageLanguage);
    out +=
        "\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    // A page that updates itself: by the script without reloading, else by a meta refresh.
    if (head.refreshSeconds > 0) {
        out += "<noscript><meta http-equiv=\"refresh\" content=\"";
        html::appendInt(out, head.refreshSeconds);
        out += "\"></noscript>\n";
    }
    // The sheet's title names the page, and the window or tab it is shown in.
    const std::string heading = head.title.empty() ? std::string(words.sheetName) : head.title;
    out += "<title>";
    live::appendText(out, heading);
    out += "</title>\n";
    appendStyle(out, live::liveColors(head.colors), head.extraStyle);
    if (head.refreshSeconds > 0) appendUpdateScript(out, head.checkSeconds);
    out += "</head>\n<body>\n<header>\n<h1>";
    live::appendText(out, heading);
    out += "</h1>\n";
    if (!head.subtitle.empty()) {
        out += "<p class=\"sub\">";
        live::appendText(out, head.subtitle);
        out += "</p>\n";
    }
    out += "<p class=\"updated\">";
    out += std::string_view(words.lastUpdated);
    out += ' ';
    live::appendText(out, head.updatedAt);
    out += "</p>\n</header>\n<main>\n";
}

std::string writeLivePage(const Bracket& bracket, const LivePageOptions& options) {
    html::PageBuffer out(16384 + 700 * size_t(bracket.memberCount()));
    const SheetInfo& sheet = bracket.sheet();
    live::writeLiveHead(out, {sheet.language,
                              shownText(sheet.title),
                              shownText(sheet.subtitle),
                              bracket.colors(),
                              options.updatedAt,
                              options.refreshSeconds,
                              options.checkSeconds,
                              {}});
    live::writeLiveTop(out, bracket, options.recentResults);
    out += "<div class=\"chart\">\n";
    live::writeLiveChart(out, bracket);
    out += "\n</div>\n";
    live::writeLiveResults(out, bracket);
    out += "</main>\n</body>\n</html>\n";
    return out.take();
}

}  // namespace kaz
