; ok.s - an empty program: only comments.
