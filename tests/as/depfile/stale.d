failed.o: failed.s
