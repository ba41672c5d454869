/* prog.c - what c.s says it was made from: line 10 computes, line 11
   adds. */
#include <stdio.h>

static int two(void) {
  return 2;
}

int f(void) {
  int x = 1;
  return x + two();
}
