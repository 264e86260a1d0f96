// Named pipes and local process start: opening (and making) FIFOs with a
// bounded wait, making a private directory for a pipe pair, and starting a
// program from one command-line string with fork/exec.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#define NP_MODE_WRITE 0    // npopen: write only
#define NP_MODE_READ 1     // npopen: read only
#define NP_MODE_RDWR 2     // npopen: read and write
#define NP_MODE_CREATE 32  // npopen: make the FIFO (0700) before opening it
#define NP_FORK_PROCDIR 4  // npfork: the child sets up its processing directory first
#define NP_MAX_ARGS 88     // npfork: argument vector entries, program and null included

// Opens a FIFO. once 1: a missing or unopenable file fails at once; once 0:
// the open is retried until it works. Either way an open for writing waits
// for a reader. The wait ends after timeout seconds (-1: no limit) or when
// process peer (> 0) has ended. Descriptor (close-on-exec, blocking) or -1.
int npopen(const char *path, int mode, int once, int timeout, pid_t peer);

// Opens path2 with mode2 into *fd2, then path1 with mode1 into *fd1, each
// retried until it opens or the time-out (seconds, -1 no limit) has passed.
// The calling process's id, or -1 (nothing left open).
int npchopen(int *fd1, int *fd2, int mode1, int mode2, const char *path1, const char *path2,
             int timeout);

// Makes a private directory "Quiv_XXXXXX" under TMPDIR (else /tmp) and puts
// the names of a pipe pair in it into path1 (the pipe the maker reads) and
// path2 (the pipe it writes); the FIFOs themselves are not made. 0 or -1.
int npmknames(char *path1, char *path2, int size);

// Splits a command line on runs of blanks (spaces, tabs) into words: the
// first is the program, no word is empty. Number of words, or -1 when there
// are more than NP_MAX_ARGS - 1.
int npsplit(const char *cmdline, std::vector<std::string> *words);

// Starts the program of a command line as a child (searched on PATH, no
// shell); flags NP_FORK_PROCDIR runs npprocdir in the child first. The
// child's process id at once, or -1.
int npfork(const char *cmdline, int flags, int unused1, int unused2);

// In a child: makes and enters "Quiv_dnpipe<pid>" and links the pipe pair
// "Quiv_npipe<pid>" and "Quiv_npipe<pid - 10000>" of the parent directory
// into it. 0 or -1.
int npprocdir();

// 1 when process pid (> 0) has ended (a child of ours is reaped), else 0.
int np_process_gone(pid_t pid);
