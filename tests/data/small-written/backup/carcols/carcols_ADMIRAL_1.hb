admiral,	1,1
