; a.b.s - an empty program whose name has two dots.
