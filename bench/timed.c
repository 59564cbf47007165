/* Runs a command and appends its cpu time (user + system, seconds, to the
 * microsecond) and peak memory (kilobytes) to a file, as "seconds kilobytes".
 * /usr/bin/time rounds to ten milliseconds, too coarse for the small scales.
 *
 *   stumpcraft-bench-time OUT COMMAND [ARGUMENT...]
 */
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        fputs("usage: stumpcraft-bench-time OUT COMMAND [ARGUMENT...]\n", stderr);
        return 2;
    }
    pid_t child = fork();
    if (child < 0)
        return perror("fork"), 2;
    if (child == 0) {
        execvp(argv[2], argv + 2);
        perror(argv[2]);
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (wait4(child, &status, 0, &usage) < 0)
        return perror("wait4"), 2;
    FILE* out = fopen(argv[1], "a");
    if (!out)
        return perror(argv[1]), 2;
    double seconds = (double)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     (double)(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    fprintf(out, "%.6f %ld\n", seconds, usage.ru_maxrss);
    fclose(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
