// Building the gnuplot session for a report.
//
// Values that cannot be drawn go into the data block as NaN: gnuplot leaves
// such a point out and breaks the line there, so a gap shows where the report
// has no number, and nothing is ever drawn as zero in its place.
#include "plot/plot_script.hpp"

#include <algorithm>

namespace brantover::plot {

namespace {

// A gnuplot string in double quotes; "\n" in `s` stays a line break.
std::string quoted(std::string_view s) {
    std::string q = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') q += '\\';
        if (c == '\n') {
            q += "\\n";
            continue;
        }
        q += c;
    }
    return q + "\"";
}

// A position `pixels` up from the bottom of a picture `height` pixels high.
std::string screen_fraction(int pixels, int height) {
    return std::to_string(double(pixels) / double(height));
}

bool frequency_known(const std::vector<report_value>& row) { return drawable(row[col::frequency]); }

const char* const bandpass_colour = "#1f5fa8";
const char* const bandstop_colour = "#c0392b";

// Every curve of the picture, in the order of the data block's columns 2, 3, ...
std::vector<const curve*> all_curves(const std::vector<panel>& panels) {
    std::vector<const curve*> curves;
    for (const panel& p : panels)
        for (const curve& c : p.curves) curves.push_back(&c);
    return curves;
}

bool any_drawable(const stored_report& r, const panel& p) {
    for (const auto& row : r.rows)
        if (frequency_known(row))
            for (const curve& c : p.curves)
                if (drawable(row[c.column])) return true;
    return false;
}

// Two lines: how many points are missing, then where: rows whose frequency
// is unknown, and the values missing from each curve in the other rows.
std::string note(const stored_report& r, const std::vector<panel>& panels) {
    const int total = points_left_out(r);
    std::string where;
    int no_frequency = 0;
    for (const auto& row : r.rows) no_frequency += !frequency_known(row);
    if (no_frequency > 0)
        where = std::to_string(no_frequency) + (no_frequency == 1 ? " row" : " rows") +
                " without a frequency";
    for (const curve* c : all_curves(panels)) {
        int n = 0;
        for (const auto& row : r.rows) n += frequency_known(row) && !drawable(row[c->column]);
        if (n > 0) where += (where.empty() ? "" : ", ") + c->name + " " + std::to_string(n);
    }
    return std::to_string(total) + (total == 1 ? " point" : " points") +
           " left out, where the report shows asterisks, Inf or NaN:\n" + where;
}

}  // namespace

std::vector<panel> report_panels(const stored_report& r) {
    if (r.table == report_design::both) {
        const auto pair = [](const char* what, std::size_t bp, std::size_t bs) {
            const std::string name(what);
            return std::vector<curve>{{bp, "bandpass " + name, "Bandpass", false},
                                      {bs, "bandstop " + name, "Bandstop", true}};
        };
        return {
            {"Loss", "Loss (dB)", false, pair("loss", col::bp_loss, col::bs_loss)},
            {"Time Delay", "Time delay (ns)", false,
             pair("time delay", col::bp_delay, col::bs_delay)},
            {"Phase", "Phase (degrees)", false, pair("phase", col::bp_phase, col::bs_phase)},
        };
    }
    const bool bs = r.table == report_design::bandstop;
    const panel match =
        r.match == match_column::vswr
            ? panel{"VSWR", "VSWR", true, {{col::match, "VSWR", "", bs}}}
            : panel{
                  "Return Loss", "Return loss (dB)", false, {{col::match, "return loss", "", bs}}};
    return {
        {"Loss", "Loss (dB)", false, {{col::loss, "loss", "", bs}}},
        match,
        {"Time Delay", "Time delay (ns)", false, {{col::delay, "time delay", "", bs}}},
        {"Phase", "Phase (degrees)", false, {{col::phase, "phase", "", bs}}},
    };
}

std::string picture_title(const stored_report& r) {
    std::string qu = r.qu.text;
    if (r.qu.shown == shown_as::number && qu.ends_with('.')) qu.pop_back();
    return r.response + " " + r.design + " filter\n" + "Fo = " + r.f0.text +
           " MHz,  BW = " + r.bw.text + " MHz,  " + r.poles +
           (r.poles == "1" ? " pole" : " poles") + ",  unloaded Q = " + qu;
}

int points_left_out(const stored_report& r) {
    int n = 0;
    for (const panel& p : report_panels(r))
        for (const curve& c : p.curves)
            for (const auto& row : r.rows) n += !frequency_known(row) || !drawable(row[c.column]);
    return n;
}

std::string plot_script(const stored_report& r, picture_format format) {
    const std::vector<panel> panels = report_panels(r);
    const int height = panels.size() == 4 ? 1200 : 950;
    std::string s;
    if (format == picture_format::svg)
        s += "set terminal svg size 900," + std::to_string(height) +
             " font 'sans-serif,12' noenhanced background rgb 'white'\n";
    else
        s += "set terminal pngcairo size 900," + std::to_string(height) +
             " font 'Sans,10' noenhanced background rgb 'white'\n";

    // The table, one line per row: frequency, then each curve's value.
    const std::vector<const curve*> curves = all_curves(panels);
    s += "$report << EOD\n";
    double fmin = 0.0, fmax = 0.0;
    bool any_frequency = false;
    for (const auto& row : r.rows) {
        const bool known = frequency_known(row);
        if (known) {
            const double fi = row[col::frequency].value;
            fmin = any_frequency ? std::min(fmin, fi) : fi;
            fmax = any_frequency ? std::max(fmax, fi) : fi;
            any_frequency = true;
        }
        s += known ? row[col::frequency].text : "NaN";
        for (const curve* c : curves)
            s += " " + (known && drawable(row[c->column]) ? row[c->column].text : "NaN");
        s += "\n";
    }
    s += "EOD\n";

    // A single frequency still gets an axis of some width around it.
    if (fmin == fmax) {
        const double half = std::max(1.0, fmax * 0.01);
        fmin -= half;
        fmax += half;
    }
    s += "set xrange [" + std::to_string(fmin) + ":" + std::to_string(fmax) + "]\n";
    s += "set grid\nset lmargin 12\nset rmargin 4\nset format y '%g'\n";
    // The band edges from the header, on every panel.
    for (const report_value* edge : {&r.flow, &r.fhigh})
        if (drawable(*edge) && edge->value >= fmin && edge->value <= fmax)
            s += "set arrow from " + edge->text + ", graph 0 to " + edge->text +
                 ", graph 1 nohead dashtype 2 linecolor rgb 'gray40'\n";

    // Room in pixels above the panels for the title (and the key of a
    // two-curve picture) and below them for the axis label (and the note).
    const int left_out = points_left_out(r);
    const bool two_curves = r.table == report_design::both;
    const int above = two_curves ? 120 : 95, below = left_out > 0 ? 100 : 60;
    s += "set multiplot layout " + std::to_string(panels.size()) + ",1 title " +
         quoted(picture_title(r)) + " font ',14' margins screen 0.11,0.96," +
         screen_fraction(below, height) + "," + screen_fraction(height - above, height) +
         " spacing screen 0," + screen_fraction(50, height) + "\n";

    std::size_t column = 2;
    for (std::size_t k = 0; k < panels.size(); ++k) {
        const panel& p = panels[k];
        const bool last = k + 1 == panels.size();
        s += "set title " + quoted(p.title) + "\n";
        s += "set ylabel " + quoted(p.ylabel) + "\n";
        s += last ? "set xlabel 'Frequency (MHz)'\nset format x '%g'\n"
                  : "unset xlabel\nset format x ''\n";
        s += p.log_y ? "set logscale y\n" : "unset logscale y\n";
        // The colours are the same on every panel: one key, under the title.
        if (two_curves && k == 0)
            s += "set key horizontal center top at screen 0.5," +
                 screen_fraction(height - 58, height) + " width 3\n";
        else
            s += "unset key\n";
        const bool empty = !any_drawable(r, p);
        if (empty) {
            // Nothing to autoscale on: gnuplot needs a range to draw the frame.
            s += p.log_y ? "set yrange [1:10]\n" : "set yrange [-1:1]\n";
            s += "set label 2 'no values to draw' at graph 0.5, 0.5 center\n";
        } else {
            s += "set autoscale y\nunset label 2\n";
        }
        if (last && left_out > 0)
            s += "set label 1 " + quoted(note(r, panels)) + " at screen 0.5, " +
                 screen_fraction(38, height) + " center\n";
        s += "plot";
        for (std::size_t c = 0; c < p.curves.size(); ++c, ++column) {
            const curve& cv = p.curves[c];
            s += std::string(c > 0 ? "," : "") + " $report using 1:" + std::to_string(column) +
                 " with linespoints pointtype 7 pointsize 0.35 linewidth 1.5 linecolor rgb '" +
                 (cv.bandstop ? bandstop_colour : bandpass_colour) + "' " +
                 (cv.legend.empty() ? "notitle" : "title " + quoted(cv.legend));
        }
        s += "\n";
        if (empty) s += "unset label 2\n";
    }
    s += "unset multiplot\n";
    return s;
}

}  // namespace brantover::plot
