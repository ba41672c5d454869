	.text
p:	getl 5
	complete
