/* calc.c - the source calc.s stands for. */
int start(void) {
  int a = 2, b = 3;
  int c = (a + b) * 7;
  return done(c);
}
int done(int c) {
  for (;;);
}
