// gnuplot as a child process behind three pipes.
//
// The script goes in while the picture and the messages come out, all in one
// poll loop: gnuplot starts writing a picture before it has read the whole
// script, and a pipe holds only so much, so writing everything first could
// leave both sides waiting on each other.
#include "plot/gnuplot_pipe.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brantover::plot {

std::string find_on_path(std::string_view program, std::string_view path) {
    std::size_t pos = 0;
    for (;;) {
        const std::size_t end = std::min(path.find(':', pos), path.size());
        std::string folder(path.substr(pos, end - pos));
        if (folder.empty()) folder = ".";
        const std::string candidate = folder + "/" + std::string(program);
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == path.size()) return {};
        pos = end + 1;
    }
}

namespace {

void close_fd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Appends what is ready on `fd`; closes it at its end.
void drain(int& fd, std::string& into) {
    char buf[65536];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n > 0)
        into.append(buf, std::size_t(n));
    else if (n == 0 || (errno != EINTR && errno != EAGAIN))
        close_fd(fd);
}

}  // namespace

gnuplot_run run_gnuplot(const std::string& gnuplot, std::string_view script) {
    gnuplot_run run;
    int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
    const auto close_all = [&] {
        for (int* fd : {&in[0], &in[1], &out[0], &out[1], &err[0], &err[1]}) close_fd(*fd);
    };
    if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0) {
        run.failure = std::string("cannot make a pipe: ") + std::strerror(errno);
        close_all();
        return run;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        run.failure = std::string("cannot start gnuplot: ") + std::strerror(errno);
        close_all();
        return run;
    }
    if (child == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
        const char* argv[] = {"gnuplot", "--default-settings", nullptr};
        ::execv(gnuplot.c_str(), const_cast<char* const*>(argv));
        const char* msg = "cannot run gnuplot\n";
        [[maybe_unused]] const ssize_t n = ::write(2, msg, std::strlen(msg));
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    int to_gnuplot = in[1], from_out = out[0], from_err = err[0];
    ::fcntl(to_gnuplot, F_SETFL, ::fcntl(to_gnuplot, F_GETFL) | O_NONBLOCK);

    // gnuplot may stop reading early (it ends at an error); that must not
    // end this process.
    struct sigaction ignore = {};
    struct sigaction previous = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);

    std::size_t sent = 0;
    if (script.empty()) close_fd(to_gnuplot);
    while (to_gnuplot >= 0 || from_out >= 0 || from_err >= 0) {
        pollfd fds[3];
        nfds_t n = 0;
        const auto watch = [&](int fd, short events) {
            if (fd >= 0) fds[n++] = {fd, events, 0};
        };
        watch(to_gnuplot, POLLOUT);
        watch(from_out, POLLIN);
        watch(from_err, POLLIN);
        if (::poll(fds, n, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (nfds_t k = 0; k < n; ++k) {
            if (fds[k].revents == 0) continue;
            if (fds[k].fd == to_gnuplot) {
                const ssize_t w = ::write(to_gnuplot, script.data() + sent, script.size() - sent);
                if (w > 0) sent += std::size_t(w);
                if ((w < 0 && errno != EAGAIN && errno != EINTR) || sent == script.size())
                    close_fd(to_gnuplot);
            } else if (fds[k].fd == from_out) {
                drain(from_out, run.picture);
            } else {
                drain(from_err, run.messages);
            }
        }
    }
    close_fd(to_gnuplot);
    close_fd(from_out);
    close_fd(from_err);
    ::sigaction(SIGPIPE, &previous, nullptr);

    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        run.ok = true;
    } else if (WIFEXITED(status)) {
        run.failure = "gnuplot failed with exit status " + std::to_string(WEXITSTATUS(status));
    } else {
        run.failure = "gnuplot was ended by signal " + std::to_string(WTERMSIG(status));
    }
    return run;
}

}  // namespace brantover::plot
